#pragma once
// What a run (disk or FTP backup or restore, immediate backup, the schedule
// runner) may do outside itself. The window implements it with widgets, the
// agent without any window, tests with scripted answers; the runs never see
// which.
#include <QString>

#include "core/DialogService.h"

namespace arkwell::report {
class RunReport;
}
namespace arkwell::text {
class TextTable;
}

namespace arkwell::core {

// The value labels of the details and progress panels.
enum class DetailField {
  Action,
  ToFrom,
  Mode,
  JobsDone,
  TotalFiles,
  TotalBytes,
  Time,
  CurrentBackup,
  Status,
  CurrentFile,
  Result,
};
inline constexpr int kDetailFieldCount = static_cast<int>(DetailField::Result) + 1;

// The kinds of run the host keeps a busy flag for.
enum class RunKind { DiskRun, DiskRestore, FtpRun, FtpListing, ImmediateRun };

class RunHost {
 public:
  virtual ~RunHost() = default;

  virtual void setDetail(DetailField field, const QString& value) = 0;
  // Percentages 0..100 of the overall and the details progress bar; a
  // negative value leaves that bar as it is.
  virtual void setProgress(int overallPercent, int detailPercent) = 0;
  // Status bar panes, counted from 0.
  virtual void setStatusPane(int pane, const QString& text) = 0;

  // Questions. In command-line mode runs skip them as their rules say.
  virtual DialogService& dialogs() = 0;
  virtual bool commandLineMode() const = 0;
  // A message for the user: a message box, but none in command-line mode,
  // where no one would answer it.
  virtual void showMessage(DialogIcon icon, const QString& text) = 0;

  // Lets pending events run (repaints, Abort, timers) during long work.
  virtual void pumpMessages() = 0;
  // The run lock: busy cursor, pages locked, only Abort enabled.
  virtual void lockRun() = 0;
  virtual void releaseRun() = 0;

  virtual void setAbortEnabled(bool enabled) = 0;

  // Busy flags: while one is set no other run, page change or close starts.
  virtual void setRunBusy(RunKind kind, bool busy) = 0;
  virtual bool runBusy(RunKind kind) const = 0;

  // The tray icon's animation while a backup runs, with its hint.
  virtual void startRunAnimation(const QString& hint) = 0;
  virtual void stopRunAnimation() = 0;

  virtual report::RunReport& report() = 0;
  // Finishes the current report: mail, show, save, prune.
  virtual void EndReport() = 0;
  // Persists everything the program keeps; runs call it before they start.
  virtual void SaveAllSettings() = 0;
  // A disk run wrote or removed archives: the restore page's list is stale.
  virtual void diskArchivesChanged() {}

  virtual const text::TextTable& texts() const = 0;
};

}  // namespace arkwell::core
