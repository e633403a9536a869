#pragma once
// Small factories for the settings pages' controls: each gets its object
// name at once, so tests and the window can find it.
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QString>

namespace arkwell::gui {

inline QLabel* makeLabel(const QString& caption, const QString& name, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

inline QSpinBox* makeSpin(const QString& name, int minimum, int maximum, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(minimum, maximum);
  return spin;
}

inline QCheckBox* makeCheck(const QString& caption, const QString& name, QWidget* parent) {
  auto* check = new QCheckBox(caption, parent);
  check->setObjectName(name);
  return check;
}

}  // namespace arkwell::gui
