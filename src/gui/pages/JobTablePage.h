#pragma once
// The backup-to-disk and backup-to-FTP pages: a job grid with Remove, Add,
// All, No, Full and Incr. The commands' work belongs to the disk and FTP
// runs; this page lays them out and keeps the grid in the current language.
#include <QList>

#include "gui/JobGrid.h"
#include "gui/TableModel.h"
#include "gui/pages/Page.h"

class QPushButton;

namespace arkwell::gui {

class JobTablePage : public Page {
  Q_OBJECT
 public:
  JobTablePage(core::Table& table, const core::TableLayout& layout, QWidget* parent = nullptr);

  void applyTexts(const text::TextTable& texts) override;
  JobGrid* grid() const { return grid_; }
  TableModel* model() const { return model_; }
  QPushButton* removeButton() const { return remove_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* allButton() const { return all_; }
  QPushButton* noneButton() const { return none_; }
  QPushButton* fullButton() const { return full_; }
  QPushButton* incrementalButton() const { return incremental_; }

 private:
  const core::TableLayout& layout_;
  JobGrid* grid_;
  TableModel* model_;
  QPushButton* remove_;
  QPushButton* add_;
  QPushButton* all_;
  QPushButton* none_;
  QPushButton* full_;
  QPushButton* incremental_;
};

}  // namespace arkwell::gui
