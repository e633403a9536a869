#include "gui/settings/FolderField.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include "core/UncPath.h"

namespace arkwell::gui {

FolderField::FolderField(core::DialogService& dialogs, const QString& role, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), edit_(new QLineEdit(this)), browse_(new QToolButton(this)) {
  setObjectName(role + QStringLiteral("Field"));
  edit_->setObjectName(role + QStringLiteral("Edit"));
  browse_->setObjectName(role + QStringLiteral("BrowseButton"));
  browse_->setText(QStringLiteral("..."));
  setFocusProxy(edit_);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit_, 1);
  layout->addWidget(browse_);

  connect(edit_, &QLineEdit::textEdited, this, &FolderField::edited);
  connect(browse_, &QToolButton::clicked, this, &FolderField::browse);
  connect(edit_, &QLineEdit::editingFinished, this, [this] {
    if (createOnLeave_) createFolder();
  });
}

QString FolderField::text() const {
  return edit_->text();
}

void FolderField::setText(const QString& text) {
  edit_->setText(text);
}

void FolderField::setCreateOnLeave(bool create, const QString& failureMessage) {
  createOnLeave_ = create;
  failureMessage_ = failureMessage;
}

void FolderField::browse() {
  // The picker needs a local start folder; an unmounted share gives none.
  const QString initial = core::UncToDrivePath(edit_->text().trimmed());
  QString folder;
  if (!dialogs_.chooseFolder(QStringLiteral("Select"), initial, folder)) return;
  edit_->setText(folder);
  emit edited();
}

bool FolderField::createFolder() {
  const QString folder = edit_->text().trimmed();
  if (folder.isEmpty() || QDir().mkpath(folder)) return true;
  // The error box takes the focus, and leaving the edit would ask again.
  if (reporting_) return false;
  reporting_ = true;
  const QString message = failureMessage_.isEmpty() ? QStringLiteral("Could not create") : failureMessage_;
  // The fixed text first, then the folder on a line of its own.
  dialogs_.show(core::DialogIcon::Error, message + QLatin1Char('\n') + folder);
  reporting_ = false;
  return false;
}

}  // namespace arkwell::gui
