#pragma once
// TBackupFile: the archive component. Writes archives (Backup), reads them
// back (Restore, ReadArchiveInfo) and checks them (Test).
//
// An operation runs on the calling thread from start to end and raises every
// event on that thread; handlers may pump the caller's event loop and may
// stop the operation through their Continue argument or Abort(). Properties
// and handlers are changed only between operations. Failures are reported as
// a numbered ErrorCode with its fixed text through OnError at the end of the
// operation, plus ErrorMessage() naming the file (and offset) involved; only
// the failures documented per operation are thrown as ArchiveError.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "archive/ArchiveError.h"

namespace arkwell::archive {

enum TBackupMode : int { bmAll = 0, bmIncremental = 1 };
enum TRestoreMode : int { rmAll = 0, rmNoOverwrite = 1, rmNewer = 2, rmExisting = 3, rmExistingNewer = 4 };
enum TCompressionLevel : int { clFastest = 0, clNone = 1, clDefault = 2, clMax = 3 };
using TPercentage = int;  // 0..100 (more when files grew after they were measured)

// The zlib level of a compression level.
int zlibLevel(TCompressionLevel level);

class TBackupFile;
using TProgressEvent =
    std::function<void(TBackupFile& Sender, const std::string& Filename, TPercentage Percent, bool& Continue)>;
using TCounterEvent =
    std::function<void(TBackupFile& Sender, int64_t ADirCount, int64_t AFileCount, const std::string& ADir)>;
using TNeedDiskEvent = std::function<void(TBackupFile& Sender, uint16_t DiskID, bool& Continue)>;
using TRestoreFileEvent = std::function<void(TBackupFile& Sender, std::string& Filename, int32_t FA, bool& DoRestore)>;
// Stream: the open output file (a descriptor, still owned by the engine).
using TFileRestoredEvent = std::function<void(TBackupFile& Sender, std::string& Filename, int Stream)>;
using TBackupErrorEvent = std::function<void(TBackupFile& Sender, int Error, const std::string& ErrString)>;

class TBackupFile {
 public:
  explicit TBackupFile(std::string name = "BackupFile1");
  ~TBackupFile();
  TBackupFile(const TBackupFile&) = delete;
  TBackupFile& operator=(const TBackupFile&) = delete;

  // --- properties -------------------------------------------------------
  std::string Name;
  std::string BackupTitle;
  TCompressionLevel CompressionLevel = clFastest;
  TRestoreMode RestoreMode = rmAll;
  int64_t MaxSize = 0;  // volume size limit in bytes; 0: one volume of any size
  bool SetArchiveFlag = false;
  bool RestoreFullPath = false;
  bool SaveFileID = false;
  // Threads compressing blocks during Backup: 0 one per core, 1 none besides
  // the caller. The archive is byte for byte the same whatever the number.
  int WorkerThreads = 0;

  const std::string& Version() const;  // "5.10"
  TBackupMode BackupMode() const { return backupMode_; }
  // Switching to bmIncremental also switches SetArchiveFlag on.
  void SetBackupMode(TBackupMode mode);

  TProgressEvent OnProgress;
  TCounterEvent OnCounter;
  TNeedDiskEvent OnNeedDisk;
  TRestoreFileEvent OnRestoreFile;
  TFileRestoredEvent OnFileRestored;
  TBackupErrorEvent OnError;

  // --- engine-wide lists --------------------------------------------------
  // Files Backup could not read, and "File changed while reading: <path>".
  static inline std::vector<std::string> SkippedFiles;
  // Path fragments (ASCII case ignored) that folder scans leave out.
  static inline std::vector<std::string> ExcludeList;

  // --- operations --------------------------------------------------------
  // Writes the archive; true only when its end marker was written.
  bool Backup(const std::vector<std::string>& fileSpecs, const std::string& archiveName);
  // Restores the archive into targetFolder (empty: where the files came
  // from). True when it ran to the end marker with no error and no stop.
  // Throws ArchiveError when volume 1 exists but cannot be opened.
  bool Restore(const std::string& archiveName, const std::string& targetFolder);
  // Reads title, TotalBytes, FileCount and (when fileList is given and the
  // archive has one) the stored file list lines. A missing archive leaves
  // everything empty. Throws ArchiveInfoAborted, after OnError(3), when the
  // archive cannot be opened; a damaged header or list is error 5.
  void ReadArchiveInfo(const std::string& archiveName, std::vector<std::string>* fileList, std::string& title);
  // Reads every entry of every volume and inflates every block, writing
  // nothing. True when the archive is intact up to its end marker.
  bool Test(const std::string& archiveName);
  // Stops the running operation at its next check.
  void Abort() { continue_ = false; }

  // --- state of the last operation ----------------------------------------
  int ErrorCode() const { return errorCode_; }
  // The error text with the file (and offset) involved; empty without error.
  const std::string& ErrorMessage() const { return errorMessage_; }
  const std::string& CurrentFile() const { return currentFile_; }
  int64_t FileCount() const { return fileCount_; }
  int64_t FilesDone() const { return filesDone_; }
  int64_t TotalBytes() const { return totalBytes_; }
  int64_t BytesDone() const { return bytesDone_; }
  // Entries a restore left alone because their names were unsafe or could
  // not be placed: "<stored name>: <reason>".
  const std::vector<std::string>& RefusedFiles() const { return refusedFiles_; }

 private:
  friend class ArchiveWriter;
  friend class ArchiveReader;

  void startOperation();
  // Records an error: code, message naming what is involved, and a stop.
  void fail(int code, const std::string& detail);
  void raiseProgress(const std::string& filename, int percent);
  void raiseFinalEvents();
  // OnError with the recorded code, when there is one.
  void raiseError();
  bool askNeedDisk(int volume);

  TBackupMode backupMode_ = bmAll;
  std::atomic<bool> continue_{false};
  int errorCode_ = 0;
  std::string errorMessage_;
  std::string currentFile_;
  int64_t fileCount_ = 0;
  int64_t filesDone_ = 0;
  int64_t totalBytes_ = 0;
  int64_t bytesDone_ = 0;
  std::vector<std::string> refusedFiles_;
};

}  // namespace arkwell::archive
