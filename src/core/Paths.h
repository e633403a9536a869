#pragma once
// The path record: the data folder, its sub-folders and every data file,
// filled once at start and read everywhere afterwards; and the one-time move
// of files from their older places into the data folder.
#include <QList>
#include <QString>

namespace arkwell::core {

struct OldLocation {
  QString oldFile;
  QString newFile;
};

struct PathRecord {
  QString SettingsFile;
  QString AgentConfigFile;
  QString ImmediateTableFile;
  QString ImmediateFilesFile;
  QString ScheduleFile;
  QString DiskTableFile;
  QString FtpTableFile;
  QString NotesFile;
  QString IgnoreListFile;
  QString LanguageFile;
  QString HelpFileEnglish;
  QString HelpFileDutch;
  QString AgentExecutable;
  QString ReportsFolder;
  QString TempFolder;
  QString DataFolder;
  // Files of older versions moved into the data folder at every start, in order.
  QList<OldLocation> OldLocations;
};

// The program's path record.
inline PathRecord TFenP;

// Failure bits of InitPaths.
enum InitPathsFailure : int {
  kDataFolderNotCreated = 0x01,
  kTempFolderNotCreated = 0x02,
  kReportsFolderNotCreated = 0x04,
};

// Failure bits of MoveOldFile.
enum MoveOldFileFailure : int {
  kMoveReadOnlyNotCleared = 0x02,  // of the existing new file
  kMoveCopyFailed = 0x04,
  kMoveFolderNotCreated = 0x08,
  kMoveAttributesNotSet = 0x10,
  kMoveOldReadOnlyNotCleared = 0x20,
  kMoveOldNotDeleted = 0x40,
};

// The record for a program file, a common application data folder and an old
// settings folder. Pure: touches no file.
PathRecord makePathRecord(const QString& programPath, const QString& appDataFolder, const QString& windowsFolder);

// Fills TFenP for the running program (folders from the environment, see
// SystemFolders.h), creates the data folder and its "Temp" and "Reports"
// folders, and returns the failure bits (0 when all three exist). Never throws.
int InitPaths(const QString& programPath);

// Moves every old file of TFenP.OldLocations that still exists into the data
// folder. Failures are silent: the program starts with what is there.
void MigrateOldFiles();

// Copies `oldPath` over `newPath` (an old file wins), keeping its read-only
// attribute, then deletes it when `deleteOld` is set and the copy
// succeeded. With `deleteOld`, an old file that could not be deleted is not
// copied either (kMoveOldNotDeleted): it would win again at every start.
// Returns failure bits, 0 when nothing failed or the old file is absent.
int MoveOldFile(bool deleteOld, const QString& oldPath, const QString& newPath);

}  // namespace arkwell::core
