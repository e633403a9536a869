#pragma once
// A disk backup run: every runnable job of the disk job table into one
// archive in its destination, named after the run's start time, with the
// commands before and after a full run, the retention rule per destination,
// and the run's lines in the current report. Plain synchronous code that
// talks only to the run host; the archive events keep the host's window
// alive and let Abort through.
#include <QDateTime>
#include <QString>
#include <functional>

#include "archive/BackupFile.h"
#include "core/ProgramData.h"
#include "core/RunHost.h"
#include "disk/RunControl.h"

namespace arkwell::disk {

class DiskBackupRun {
 public:
  static constexpr int64_t kFloppyVolumeSize = 1400000;
  static constexpr int64_t kDiskVolumeSize = 1000000000;

  DiskBackupRun(core::RunHost& host, core::ProgramData& data, archive::TBackupFile& backupFile, RunControl& control);

  // A full or incremental run in a report of its own (the page's buttons).
  void runWithReport(bool full);
  // The two report lines and the action text that open a disk run in a
  // report the caller has opened (the batch runner shares one report).
  void addRunHeading(bool full);
  // The run itself. The engine's BackupMode must be set before.
  void StartDiskBackup();
  // One job into one archive; false when the archive failed (then its first
  // volume is removed). An archive of the same name from earlier in the same
  // minute is kept until the new one is complete, and put back if it fails.
  bool MaakBackup(const QString& source, const QString& archivePath, bool subFolders, const QString& mask);
  // The Abort button.
  void abort();

  // Events of the engine while a disk run or restore uses it.
  void BackupFile1Progress(const std::string& filename, int percent, bool& goOn);
  void BackupFile1Counter(int64_t dirCount, int64_t fileCount, const std::string& dir);
  void BackupFile1NeedDisk(uint16_t diskId, bool& goOn);
  void BackupFile1Error(int error, const std::string& text);

  // Starts the file-detail numbering of the report again.
  void resetFileDetails();

 private:
  QString elapsed() const;
  void addLine(const QString& line);
  QString text(int number) const;
  // Runs a command before or after the run; a folder that cannot be made
  // current is reported with exit code -1 and the run goes on.
  void runCommand(const QString& label, const QString& command, const QString& arguments);
  void deleteArchive(const QString& archivePath);

  core::RunHost& host_;
  core::ProgramData& data_;
  archive::TBackupFile& engine_;
  RunControl& control_;
  QDateTime start_;
  int fileNumber_ = 0;
  QString lastListed_;
  // What the last job stored (0 when its archive was never started).
  int64_t jobFiles_ = 0;
  int64_t jobBytes_ = 0;
};

// Configures the engine for a kind of work ("DB", "DR", "FTP", "FTPR", "IB",
// "IR") and clears its event handlers; the caller attaches its own.
void StelBackupFileIn(archive::TBackupFile& engine, const QString& mode);

}  // namespace arkwell::disk
