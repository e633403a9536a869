#pragma once
// The commands of the backup-to-disk page: Add, Remove, All, No, the folder
// pickers of the source and destination cells, the button states, and the
// full and incremental buttons (which hand the run to `startRun`).
#include <QObject>
#include <functional>

#include "core/DialogService.h"
#include "core/ProgramData.h"
#include "text/TextTable.h"

namespace arkwell::gui {

class JobTablePage;

class DiskJobsController : public QObject {
  Q_OBJECT
 public:
  DiskJobsController(JobTablePage& page, core::ProgramData& data, const text::TextTable& texts,
                     core::DialogService& dialogs, std::function<void(bool full)> startRun, QObject* parent = nullptr);

  // Recomputes which buttons are enabled.
  void SetButtons();
  void addJob();
  void removeJob();
  void setAll(bool active);

 signals:
  // The table was edited: the settings differ from what was saved.
  void changed();

 private:
  int currentRow() const;  // table row of the selection, 0 when none

  JobTablePage& page_;
  core::ProgramData& data_;
  const text::TextTable& texts_;
  core::DialogService& dialogs_;
  std::function<void(bool)> startRun_;
};

}  // namespace arkwell::gui
