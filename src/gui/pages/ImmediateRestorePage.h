#pragma once
// The immediate-restore page: the stored versions (file, time, archive),
// a filter, and Restore. The list is filled by the immediate restore.
#include "core/Table.h"
#include "gui/JobGrid.h"
#include "gui/TableModel.h"
#include "gui/pages/Page.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace arkwell::gui {

class ImmediateRestorePage : public Page {
  Q_OBJECT
 public:
  explicit ImmediateRestorePage(QWidget* parent = nullptr);
  void applyTexts(const text::TextTable& texts) override;

  core::Table& versions() { return versions_; }
  JobGrid* grid() const { return grid_; }
  TableModel* model() const { return model_; }
  QLineEdit* filterEdit() const { return filter_; }
  QPushButton* restoreButton() const { return restore_; }

 private:
  core::Table versions_;
  JobGrid* grid_;
  TableModel* model_;
  QLabel* step1_;
  QLabel* filterLabel_;
  QLabel* step2_;
  QLineEdit* filter_;
  QPushButton* restore_;
};

}  // namespace arkwell::gui
