#pragma once
// The dialog in which the user chooses the files of an archive to restore
// and how to restore them. Created once with the window; its tree and
// methods arrive with the disk restore.
#include <QDialog>

namespace arkwell::gui {

class SelectFilesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SelectFilesDialog(QWidget* parent = nullptr);
};

}  // namespace arkwell::gui
