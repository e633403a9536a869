#include "gui/FolderCellDelegate.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

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
  auto* editor = new QWidget(parent);
  editor->setAutoFillBackground(true);
  auto* edit = new QLineEdit(editor);
  edit->setObjectName(QStringLiteral("folderCellEdit"));
  edit->setFrame(false);
  auto* browse = new QToolButton(editor);
  browse->setObjectName(QStringLiteral("folderCellBrowse"));
  browse->setText(QStringLiteral("..."));
  auto* layout = new QHBoxLayout(editor);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit, 1);
  layout->addWidget(browse);
  editor->setFocusProxy(edit);
  connect(browse, &QToolButton::clicked, editor, [this, edit] {
    if (const auto chosen = pickFolder(edit->text())) edit->setText(*chosen);
  });
  return editor;
}

void FolderCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* edit = editor->findChild<QLineEdit*>()) edit->setText(index.data(Qt::EditRole).toString());
}

void FolderCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* edit = editor->findChild<QLineEdit*>()) model->setData(index, edit->text(), Qt::EditRole);
}

}  // namespace arkwell::gui
