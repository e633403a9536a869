#pragma once
// A page of the main page control. Its constructor sets the design captions;
// applyTexts() relabels it in the current language.
#include <QWidget>

#include "text/TextTable.h"

namespace arkwell::gui {

class Page : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void applyTexts(const text::TextTable& texts) = 0;
};

}  // namespace arkwell::gui
