#pragma once
// The immediate-backup page: the watched folders and the files waiting for
// their next version. The monitoring and storing belong to the immediate
// backup; this page lays them out and keeps the grids in the language.
#include "gui/JobGrid.h"
#include "gui/TableModel.h"
#include "gui/pages/Page.h"

class QGroupBox;
class QPushButton;

namespace arkwell::gui {

class ImmediateBackupPage : public Page {
  Q_OBJECT
 public:
  ImmediateBackupPage(core::Table& watched, core::Table& waiting, QWidget* parent = nullptr);
  void applyTexts(const text::TextTable& texts) override;
  // "Files awaiting backup: (n)" after the queue changed.
  void updateWaitingCaption();

  JobGrid* watchedGrid() const { return watchedGrid_; }
  JobGrid* waitingGrid() const { return waitingGrid_; }
  TableModel* watchedModel() const { return watchedModel_; }
  TableModel* waitingModel() const { return waitingModel_; }
  QPushButton* removeButton() const { return remove_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* incrementalButton() const { return incremental_; }

 private:
  JobGrid* watchedGrid_;
  JobGrid* waitingGrid_;
  TableModel* watchedModel_;
  TableModel* waitingModel_;
  QGroupBox* waitingGroup_;
  QString waitingCaption_ = QStringLiteral("Files awaiting backup:");
  QPushButton* remove_;
  QPushButton* add_;
  QPushButton* incremental_;
};

}  // namespace arkwell::gui
