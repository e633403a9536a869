// The engine's configuration per kind of work.
#include "disk/DiskBackupRun.h"

namespace arkwell::disk {

void StelBackupFileIn(archive::TBackupFile& engine, const QString& mode) {
  using namespace archive;
  engine.OnProgress = nullptr;
  engine.OnCounter = nullptr;
  engine.OnNeedDisk = nullptr;
  engine.OnRestoreFile = nullptr;
  engine.OnFileRestored = nullptr;
  engine.OnError = nullptr;
  engine.SaveFileID = true;
  engine.MaxSize = 0;
  if (mode == QLatin1String("DB") || mode == QLatin1String("DR")) {
    engine.BackupTitle = mode == QLatin1String("DB") ? "ArkwellBackupTitle" : "ArkwellBackupRestore";
    engine.CompressionLevel = clFastest;
    engine.RestoreFullPath = true;
    engine.RestoreMode = rmAll;
    engine.SetArchiveFlag = true;
  } else if (mode == QLatin1String("FTP")) {
    engine.SetBackupMode(bmAll);
    engine.CompressionLevel = clMax;
    engine.MaxSize = 10000000;
    engine.RestoreFullPath = true;
    engine.RestoreMode = rmAll;
    engine.SetArchiveFlag = false;
  } else if (mode == QLatin1String("FTPR")) {
    engine.SetBackupMode(bmAll);
    engine.CompressionLevel = clMax;
    engine.SetArchiveFlag = false;
  } else if (mode == QLatin1String("IB") || mode == QLatin1String("IR")) {
    engine.BackupTitle = mode == QLatin1String("IB") ? "ArkwellBackup" : "Immediate Restore";
    engine.CompressionLevel = clFastest;
    engine.RestoreFullPath = true;
    engine.RestoreMode = rmAll;
    engine.SetArchiveFlag = false;
  }
}

}  // namespace arkwell::disk
