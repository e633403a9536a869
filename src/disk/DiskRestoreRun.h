#pragma once
// A disk restore: reads an archive's file list for the selection dialog,
// then restores the chosen files (or all others, or every file) to where
// they came from or below another folder, under the chosen condition. A
// replaced file keeps its read-only attribute; a file in use is left alone.
// Talks only to the run host, like the backup run.
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "archive/BackupFile.h"
#include "core/ProgramData.h"
#include "core/RunHost.h"
#include "disk/DiskBackupRun.h"
#include "disk/RunControl.h"

namespace arkwell::disk {

// What the user chose in the selection dialog.
struct RestoreChoice {
  struct File {
    QString storedPath;
    bool checked = false;
  };
  QList<File> files;  // every file of the archive, in list order
  int total = 0;      // files offered
  int chosen = 0;     // files checked
  int method = 0;     // 0 always ... 5 ask for each file
  QString methodCaption;
  bool originalPath = true;
  bool keepStructure = true;
  QString folder;  // the other folder, when not to the original path
};

struct ArchiveListing {
  QString title;
  QStringList storedPaths;  // from the archive's file list
};

class DiskRestoreRun {
 public:
  static constexpr int kAskEachFile = 5;

  DiskRestoreRun(core::RunHost& host, core::ProgramData& data, archive::TBackupFile& backupFile, RunControl& control,
                 DiskBackupRun& backupRun);

  // Locks the window for the restore and configures the engine.
  void begin();
  // Abort was pressed since begin().
  bool aborted() const { return !control_.RunFlag; }
  // The archive's title and file list; nullopt when it cannot be opened
  // (the error has been shown and reported).
  std::optional<ArchiveListing> readListing(const QString& archivePath);
  // Ends a restore that restored nothing (dialog cancelled, no file list).
  void cancel();
  // Restores by the choice, writes the summary into a report of its own and
  // ends the restore. True when the restore succeeded.
  bool restore(const QString& archivePath, const QString& titleField, const RestoreChoice& choice);

  // Where a stored file goes with the choice's folder settings; empty when
  // it may not be restored. The reader computes targets with the same rule.
  static QString targetPath(const QString& storedPath, const RestoreChoice& choice);

  // Engine events of a restore.
  void BackupFile1RestoreFile(std::string& filename, bool& doRestore);
  void BackupFile1FileRestored(const std::string& filename);
  void BackupFile1NeedDisk(uint16_t diskId, bool& goOn);

  int SelectionState = 0;
  int restored = 0;
  int skipped = 0;
  int failed = 0;

 private:
  QString text(int number) const;
  void addLine(const QString& line);
  bool selectionTake(const QString& target);  // removes it when listed
  void end();
  void attachHandlers();

  core::RunHost& host_;
  core::ProgramData& data_;
  archive::TBackupFile& engine_;
  RunControl& control_;
  DiskBackupRun& backupRun_;
  QString archivePath_;
  // SelectionList: target path -> how often listed. Without structure two
  // stored files can share a target, and each reported file takes one.
  QHash<QString, int> selection_;
  bool askEachFile_ = false;
  bool finishedEarly_ = false;
  bool memoReadOnly_ = false;
};

}  // namespace arkwell::disk
