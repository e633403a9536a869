#include "gui/SelectFilesDialog.h"

namespace arkwell::gui {

SelectFilesDialog::SelectFilesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgSelectFiles"));
  setWindowTitle(QStringLiteral("Select files"));
  setModal(true);
}

}  // namespace arkwell::gui
