#include "gui/DiskJobsController.h"

#include <QPushButton>

#include "core/JobTableLayouts.h"
#include "disk/DiskJobRules.h"
#include "gui/FolderCellDelegate.h"
#include "gui/pages/JobTablePage.h"

namespace arkwell::gui {

namespace col = core::disk_column;

DiskJobsController::DiskJobsController(JobTablePage& page, core::ProgramData& data, const text::TextTable& texts,
                                       core::DialogService& dialogs, std::function<void(bool)> startRun,
                                       QObject* parent)
    : QObject(parent), page_(page), data_(data), texts_(texts), dialogs_(dialogs), startRun_(std::move(startRun)) {
  TableModel* model = page_.model();
  model->setActiveRowStyle(true);
  model->setCenteredColumns({col::Mask});
  page_.grid()->setItemDelegateForColumn(col::Source, new FolderCellDelegate(
                                                          dialogs_, [this] { return texts_[18]; }, this));
  page_.grid()->setItemDelegateForColumn(col::Destination, new FolderCellDelegate(
                                                               dialogs_, [this] { return texts_[19]; }, this));
  connect(page_.addButton(), &QPushButton::clicked, this, &DiskJobsController::addJob);
  connect(page_.removeButton(), &QPushButton::clicked, this, &DiskJobsController::removeJob);
  connect(page_.allButton(), &QPushButton::clicked, this, [this] { setAll(true); });
  connect(page_.noneButton(), &QPushButton::clicked, this, [this] { setAll(false); });
  connect(page_.fullButton(), &QPushButton::clicked, this, [this] { startRun_(true); });
  connect(page_.incrementalButton(), &QPushButton::clicked, this, [this] { startRun_(false); });
  connect(model, &TableModel::edited, this, [this] {
    page_.grid()->viewport()->update();
    SetButtons();
    emit changed();
  });
  connect(model, &QAbstractItemModel::modelReset, this, &DiskJobsController::SetButtons);
  connect(page_.grid()->selectionModel(), &QItemSelectionModel::currentChanged, this, &DiskJobsController::SetButtons);
  SetButtons();
}

int DiskJobsController::currentRow() const {
  const QModelIndex current = page_.grid()->currentIndex();
  return current.isValid() ? current.row() + 1 : 0;
}

void DiskJobsController::SetButtons() {
  const disk::ButtonStates states = disk::SetButtons(data_.diskJobs, currentRow());
  page_.removeButton()->setEnabled(states.remove);
  page_.fullButton()->setEnabled(states.backup);
  page_.incrementalButton()->setEnabled(states.backup);
}

void DiskJobsController::addJob() {
  const int row = disk::addJobRow(data_.diskJobs, texts_[111], texts_[112], data_.settings.defaultDir);
  page_.model()->reload();
  page_.grid()->setCurrentIndex(page_.model()->index(row - 1, col::Name));
  SetButtons();
  emit changed();
}

void DiskJobsController::removeJob() {
  const int row = currentRow();
  if (row < 1 || row >= data_.diskJobs.rowCount()) return;
  const QString question = texts_[87] + QLatin1Char(' ') + data_.diskJobs.cell(row, col::Name) + QLatin1Char('?');
  if (dialogs_.ask(core::DialogIcon::Question, question, core::kButtonOk | core::kButtonCancel) != core::kButtonOk) {
    return;
  }
  data_.diskJobs.removeRow(row);
  page_.model()->reload();
  SetButtons();
  emit changed();
}

void DiskJobsController::setAll(bool active) {
  disk::setAllActive(data_.diskJobs, active);
  page_.model()->reload();
  SetButtons();
  emit changed();
}

}  // namespace arkwell::gui
