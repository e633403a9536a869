#include "gui/FolderCellDelegate.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QStyle>

#include "core/FolderRoutines.h"
#include "core/UncPath.h"

namespace arkwell::gui {

FolderCellDelegate::FolderCellDelegate(core::DialogService& dialogs, std::function<QString()> title, QObject* parent)
    : QStyledItemDelegate(parent), dialogs_(dialogs), title_(std::move(title)) {}

std::optional<QString> FolderCellDelegate::pickFolder(const QString& cellText) const {
  QString start = core::UncToDrivePath(cellText.trimmed());
  if (!start.isEmpty()) {
    core::WaitForDirectory(start);
    if (!QFileInfo(start).isDir()) start.clear();
  }
  QString chosen;
  if (!dialogs_.chooseFolder(title_(), start, chosen)) return std::nullopt;
  return chosen;
}

QWidget* FolderCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
  // The line edit is the editor itself, so leaving it commits what was typed.
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QStringLiteral("folderCellEdit"));
  edit->setFrame(false);
  QAction* browse = edit->addAction(edit->style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
  browse->setObjectName(QStringLiteral("folderCellBrowse"));
  browse->setToolTip(QStringLiteral("..."));
  connect(browse, &QAction::triggered, edit, [this, edit] {
    if (const auto chosen = pickFolder(edit->text())) edit->setText(*chosen);
  });
  return edit;
}

void FolderCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->setText(index.data(Qt::EditRole).toString());
}

void FolderCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) model->setData(index, edit->text(), Qt::EditRole);
}

}  // namespace arkwell::gui
