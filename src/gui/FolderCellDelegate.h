#pragma once
// Edits a folder cell of a job grid: the text, and a browse button that
// opens the folder picker at the cell's folder (a UNC name on its mounted
// place, after waiting for it to appear) and puts the chosen folder in.
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

#include "core/DialogService.h"

namespace arkwell::gui {

class FolderCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  // `title` gives the picker's title when it opens.
  FolderCellDelegate(core::DialogService& dialogs, std::function<QString()> title, QObject* parent = nullptr);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  // The picker for a cell's text: the chosen folder, or nothing on Cancel.
  std::optional<QString> pickFolder(const QString& cellText) const;

 private:
  core::DialogService& dialogs_;
  std::function<QString()> title_;
};

}  // namespace arkwell::gui
