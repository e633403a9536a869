#pragma once
// The restore-from-disk page at work: the job list, the archives of the
// chosen job's destination, another archive file, and Start, which lets the
// user choose files in the selection dialog and hands them to the restore.
#include <QObject>
#include <functional>
#include <optional>

#include "core/DialogService.h"
#include "core/ProgramData.h"
#include "core/RunHost.h"
#include "disk/DiskRestoreRun.h"

namespace arkwell::gui {

class DiskRestorePage;
class SelectFilesDialog;

class DiskRestoreController : public QObject {
  Q_OBJECT
 public:
  DiskRestoreController(DiskRestorePage& page, SelectFilesDialog& dialog, core::ProgramData& data, core::RunHost& host,
                        disk::DiskRestoreRun& run, QObject* parent = nullptr);

  // Shows the selection dialog modally; true on OK. Tests answer it instead.
  std::function<bool(SelectFilesDialog&)> showDialog;

  void pageShown();
  void jobChosen(int index);
  void archiveChosen();
  void otherFile();
  void start();
  // The chosen job's archives again (a backup run changed them).
  void refreshArchives();

 private:
  void showArchives(bool quiet);
  // The archive's files in the dialog and what the user chose; nothing when
  // the archive cannot be read, has no list, Abort came, or Cancel.
  std::optional<disk::RestoreChoice> chooseFiles(const QString& archivePath);

  DiskRestorePage& page_;
  SelectFilesDialog& dialog_;
  core::ProgramData& data_;
  core::RunHost& host_;
  disk::DiskRestoreRun& run_;
  int jobRow_ = 0;  // table row of the chosen job, 0 when none
};

}  // namespace arkwell::gui
