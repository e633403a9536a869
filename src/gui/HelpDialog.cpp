#include "gui/HelpDialog.h"

namespace arkwell::gui {

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent, Qt::Tool) {
  setObjectName(QStringLiteral("dlgHelp"));
  setWindowTitle(QStringLiteral("Arkwell Backup Help"));
}

}  // namespace arkwell::gui
