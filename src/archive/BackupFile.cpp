#include "archive/BackupFile.h"

#include "archive/ArchiveReader.h"
#include "archive/ArchiveWriter.h"

namespace arkwell::archive {

int zlibLevel(TCompressionLevel level) {
  switch (level) {
    case clNone: return 0;
    case clDefault: return -1;
    case clMax: return 9;
    case clFastest:
    default: return 1;
  }
}

TBackupFile::TBackupFile(std::string name) : Name(std::move(name)) {}

TBackupFile::~TBackupFile() = default;

const std::string& TBackupFile::Version() const {
  static const std::string version = "5.10";
  return version;
}

void TBackupFile::SetBackupMode(TBackupMode mode) {
  if (mode == bmIncremental && backupMode_ != bmIncremental) {
    SetArchiveFlag = true;
  }
  backupMode_ = mode;
}

void TBackupFile::startOperation() {
  continue_ = true;
  errorCode_ = 0;
  errorMessage_.clear();
  currentFile_.clear();
  refusedFiles_.clear();
}

void TBackupFile::fail(int code, const std::string& detail) {
  errorCode_ = code;
  errorMessage_ = std::string(errorText(code)) + ": " + detail;
  continue_ = false;
}

void TBackupFile::raiseProgress(const std::string& filename, int percent) {
  if (OnProgress) {
    bool keepGoing = continue_;
    OnProgress(*this, filename, percent, keepGoing);
    continue_ = keepGoing && continue_;
  }
}

void TBackupFile::raiseFinalEvents() {
  if (OnProgress) {
    bool ignored = continue_;
    OnProgress(*this, std::string(), 100, ignored);
  }
  raiseError();
}

void TBackupFile::raiseError() {
  if (errorCode_ != 0 && OnError) {
    OnError(*this, errorCode_, errorText(errorCode_));
  }
}

bool TBackupFile::askNeedDisk(int volume) {
  if (!OnNeedDisk) {
    return true;
  }
  bool keepGoing = continue_;
  OnNeedDisk(*this, static_cast<uint16_t>(volume), keepGoing);
  continue_ = keepGoing && continue_;
  return continue_;
}

bool TBackupFile::Backup(const std::vector<std::string>& fileSpecs, const std::string& archiveName) {
  ArchiveWriter writer(*this);
  return writer.backup(fileSpecs, archiveName);
}

bool TBackupFile::Restore(const std::string& archiveName, const std::string& targetFolder) {
  ArchiveReader reader(*this);
  return reader.restore(archiveName, targetFolder);
}

void TBackupFile::ReadArchiveInfo(const std::string& archiveName, std::vector<std::string>* fileList,
                                  std::string& title) {
  ArchiveReader reader(*this);
  reader.readInfo(archiveName, fileList, title);
}

bool TBackupFile::Test(const std::string& archiveName) {
  ArchiveReader reader(*this);
  return reader.test(archiveName);
}

}  // namespace arkwell::archive
