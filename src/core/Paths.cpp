#include "core/Paths.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/AtomicWrite.h"
#include "core/SystemFolders.h"
#include "platform/FileAttributes.h"

namespace arkwell::core {

PathRecord makePathRecord(const QString& programPath, const QString& appDataFolder, const QString& windowsFolder) {
  const QFileInfo program(programPath);
  const QString programFolder = program.absolutePath() + QLatin1Char('/');
  // "Program name": the program file without its extension.
  const QString programName = program.absolutePath() + QLatin1Char('/') + program.completeBaseName();

  PathRecord p;
  p.DataFolder = appDataFolder + QStringLiteral("/arkwellbackup");
  p.AgentExecutable = programFolder + QStringLiteral("ArkwellBackupService");
  p.TempFolder = p.DataFolder + QStringLiteral("/Temp");
  p.ReportsFolder = p.DataFolder + QStringLiteral("/Reports");
  auto inData = [&](const char* name) { return p.DataFolder + QLatin1Char('/') + QLatin1String(name); };
  p.SettingsFile = inData("arkwellbackup.cfg");
  p.AgentConfigFile = inData("arkwellbackupservice.cfg");
  p.ImmediateTableFile = inData("IB.csv");
  p.ImmediateFilesFile = inData("IBFiles.csv");
  p.ScheduleFile = inData("schedule.csv");
  p.DiskTableFile = inData("Disk.csv");
  p.FtpTableFile = inData("FTP.csv");
  p.NotesFile = inData("Notes.txt");
  p.IgnoreListFile = inData("Ignorelist.txt");
  p.LanguageFile = inData("arkwellbackup.lan");
  p.HelpFileEnglish = inData("arkwellbackuphelp.rtf");
  p.HelpFileDutch = inData("arkwellbackuphelp_NL.rtf");

  auto old = [&](const char* suffix) { return programName + QLatin1String(suffix); };
  p.OldLocations = {
      {windowsFolder + QStringLiteral("/arkwellbackup.ini"), p.SettingsFile},
      {old("IB.csv"), p.ImmediateTableFile},
      {old("IBFiles.csv"), p.ImmediateFilesFile},
      {old(".sch"), p.ScheduleFile},
      {old(".csv"), p.DiskTableFile},
      {old("FTP.csv"), p.FtpTableFile},
      {old(".not"), p.NotesFile},
      {old(".ign"), p.IgnoreListFile},
      {old(".lan"), p.LanguageFile},
      {old("help.rtf"), p.HelpFileEnglish},
      {old("help_NL.rtf"), p.HelpFileDutch},
  };
  return p;
}

int InitPaths(const QString& programPath) {
  TFenP = makePathRecord(programPath, commonAppDataFolder(), windowsFolder());
  int failures = 0;
  if (!QDir().mkpath(TFenP.DataFolder)) failures |= kDataFolderNotCreated;
  if (!QDir().mkpath(TFenP.TempFolder)) failures |= kTempFolderNotCreated;
  if (!QDir().mkpath(TFenP.ReportsFolder)) failures |= kReportsFolderNotCreated;
  return failures;
}

void MigrateOldFiles() {
  for (const OldLocation& location : TFenP.OldLocations) MoveOldFile(true, location.oldFile, location.newFile);
}

int MoveOldFile(bool deleteOld, const QString& oldPath, const QString& newPath) {
  const QFileInfo oldInfo(oldPath);
  if (!oldInfo.isFile()) return 0;
  const std::string oldName = QFile::encodeName(oldPath).toStdString();
  const std::string newName = QFile::encodeName(newPath).toStdString();
  // An old file that can never be removed (a system folder the user may not
  // write) would be copied over the user's newer file at every start.
  if (deleteOld && ::access(QFile::encodeName(oldInfo.absolutePath()).constData(), W_OK) != 0) {
    return kMoveOldNotDeleted;
  }
  const bool oldReadOnly = platform::isReadOnly(oldName);

  int failures = 0;
  if (QFileInfo(newPath).isFile() && platform::isReadOnly(newName) && !platform::setReadOnly(newName, false)) {
    failures |= kMoveReadOnlyNotCleared;
  }
  bool copied = false;
  const QString folder = QFileInfo(newPath).path();
  if (!folder.isEmpty() && !QDir().mkpath(folder)) {
    failures |= kMoveFolderNotCreated;
  } else {
    QFile source(oldPath);
    copied = source.open(QIODevice::ReadOnly) && replaceFileContents(newPath, source.readAll(), nullptr, true);
    if (!copied) failures |= kMoveCopyFailed;
  }
  // Only the read-only attribute moves with the file; the copy keeps its own
  // owner-only permissions (a settings file holds passwords).
  if (copied && oldReadOnly && !platform::setReadOnly(newName, true)) failures |= kMoveAttributesNotSet;
  if (oldReadOnly && !platform::setReadOnly(oldName, false)) failures |= kMoveOldReadOnlyNotCleared;
  if (deleteOld && copied && !QFile::remove(oldPath)) failures |= kMoveOldNotDeleted;
  return failures;
}

}  // namespace arkwell::core
