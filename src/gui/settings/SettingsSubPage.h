#pragma once
// One sub-page of the settings page. It edits the program data in place:
// every edit goes straight into `data` and raises changed(), which marks the
// settings as changed (bind() does both for the plain controls). load() puts the data into the controls (after the
// settings file was read); applyTexts() relabels the controls in the current
// language. The design captions are set by the constructor and stay when no
// language file exists.
#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/DialogService.h"
#include "core/ProgramData.h"
#include "text/TextTable.h"

namespace arkwell::gui {

class SettingsSubPage : public QWidget {
  Q_OBJECT
 public:
  SettingsSubPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr)
      : QWidget(parent), data_(data), dialogs_(dialogs) {}

  virtual void load() = 0;
  virtual void applyTexts(const text::TextTable& texts) = 0;

 signals:
  void changed();

 protected:
  // A control bound to a setting: each edit goes into the setting (then
  // `after` runs) and raises changed(); loadBound() puts the setting back
  // into the control without raising anything.
  void bind(QLineEdit* edit, QString core::Settings::*setting) {
    connect(edit, &QLineEdit::textEdited, this, [this, setting](const QString& text) {
      data_.settings.*setting = text;
      emit changed();
    });
    loaders_.push_back([this, edit, setting] { edit->setText(data_.settings.*setting); });
  }
  void bind(QAbstractButton* check, bool core::Settings::*setting, std::function<void()> after = {}) {
    connect(check, &QAbstractButton::toggled, this, [this, setting, after](bool on) {
      data_.settings.*setting = on;
      if (after) after();
      emit changed();
    });
    loaders_.push_back([this, check, setting] {
      const QSignalBlocker block(check);
      check->setChecked(data_.settings.*setting);
    });
  }
  void bind(QSpinBox* spin, int core::Settings::*setting) {
    connect(spin, &QSpinBox::valueChanged, this, [this, setting](int value) {
      data_.settings.*setting = value;
      emit changed();
    });
    loaders_.push_back([this, spin, setting] {
      const QSignalBlocker block(spin);
      spin->setValue(data_.settings.*setting);
    });
  }
  void loadBound() {
    for (const auto& load : loaders_) load();
  }

  core::ProgramData& data_;
  core::DialogService& dialogs_;

 private:
  std::vector<std::function<void()>> loaders_;
};

}  // namespace arkwell::gui
