#include "gui/WidgetDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace arkwell::gui {

namespace {

QMessageBox::Icon boxIcon(core::DialogIcon icon) {
  switch (icon) {
    case core::DialogIcon::Information: return QMessageBox::Information;
    case core::DialogIcon::Warning: return QMessageBox::Warning;
    case core::DialogIcon::Error: return QMessageBox::Critical;
    case core::DialogIcon::Question: return QMessageBox::Question;
    case core::DialogIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonPair {
  int ours;
  QMessageBox::StandardButton qt;
};

constexpr ButtonPair kButtons[] = {
    {core::kButtonOk, QMessageBox::Ok},           {core::kButtonCancel, QMessageBox::Cancel},
    {core::kButtonYes, QMessageBox::Yes},         {core::kButtonNo, QMessageBox::No},
    {core::kButtonAbort, QMessageBox::Abort},     {core::kButtonRetry, QMessageBox::Retry},
    {core::kButtonIgnore, QMessageBox::Ignore},   {core::kButtonYesToAll, QMessageBox::YesToAll},
    {core::kButtonNoToAll, QMessageBox::NoToAll},
};

}  // namespace

int WidgetDialogService::ask(core::DialogIcon icon, const QString& text, int buttons) {
  QMessageBox box(boxIcon(icon), QApplication::applicationDisplayName(), text, QMessageBox::NoButton, owner_);
  for (const ButtonPair& pair : kButtons) {
    if (buttons & pair.ours) box.addButton(pair.qt);
  }
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const ButtonPair& pair : kButtons) {
    if (pair.qt == pressed) return pair.ours;
  }
  // Closed without a button: the safest answer offered.
  for (int safe : {core::kButtonCancel, core::kButtonNo, core::kButtonAbort, core::kButtonOk}) {
    if (buttons & safe) return safe;
  }
  return core::kButtonCancel;
}

void WidgetDialogService::show(core::DialogIcon icon, const QString& text) {
  QMessageBox box(boxIcon(icon), QApplication::applicationDisplayName(), text, QMessageBox::Ok, owner_);
  box.exec();
}

QString WidgetDialogService::qtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return filters.join(QLatin1String(";;"));
}

bool WidgetDialogService::chooseFile(bool open, const QString& defaultExtension, const QString& filter,
                                     QString& fileName, const QString& title, const QString& initialFolder) {
  QFileDialog dialog(owner_, title, initialFolder, qtNameFilters(filter));
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!defaultExtension.isEmpty()) dialog.setDefaultSuffix(defaultExtension);
  if (!fileName.isEmpty()) dialog.selectFile(fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  fileName = dialog.selectedFiles().first();
  return true;
}

bool WidgetDialogService::chooseFolder(const QString& title, const QString& initialFolder, QString& folder) {
  const QString chosen = QFileDialog::getExistingDirectory(owner_, title, initialFolder);
  if (chosen.isEmpty()) return false;
  folder = chosen;
  return true;
}

}  // namespace arkwell::gui
