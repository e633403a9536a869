#pragma once
// The help viewer: a tool window of the program's own that shows the help
// document of the current language at a topic. Created once with the
// window; the document reader arrives with the help viewer's work.
#include <QDialog>

namespace arkwell::gui {

class HelpDialog : public QDialog {
  Q_OBJECT
 public:
  explicit HelpDialog(QWidget* parent = nullptr);
};

}  // namespace arkwell::gui
