#pragma once
// Errors of the archive layer. The engine reports most failures through its
// numbered error codes (TBackupFile::ErrorCode); the exceptions below are for
// the few failures that end the caller's action.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace arkwell::archive {

// The fixed error codes of the engine and their texts.
enum TErrorCode : int {
  ecNone = 0,
  ecCannotReadFile = 1,
  ecOverwriteFailed = 2,
  ecCannotReadArchive = 3,
  ecCannotWriteArchive = 4,
  ecInvalidArchive = 5,
  ecCompression = 6,
  ecTempFile = 7,
};

// The fixed text of an error code; empty for an unknown code.
const char* errorText(int code);

// A failure that ends the caller's action; what() names the file involved.
class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// ReadArchiveInfo could not open the archive. OnError has already been raised
// with error 3; the caller ends its current action.
class ArchiveInfoAborted : public ArchiveError {
 public:
  using ArchiveError::ArchiveError;
};

// Bytes that do not form an archive: names the volume file and the offset.
class ArchiveFormatError : public ArchiveError {
 public:
  ArchiveFormatError(const std::string& volume, int64_t offset, const std::string& what);
  const std::string& volume() const { return volume_; }
  int64_t offset() const { return offset_; }
  const std::string& detail() const { return detail_; }

 private:
  std::string volume_;
  int64_t offset_;
  std::string detail_;
};

// A system call on a file failed; what() names the file and the reason.
class FileIoError : public ArchiveError {
 public:
  FileIoError(const std::string& action, const std::string& path, int errnum);
  int errnum() const { return errnum_; }

 private:
  int errnum_;
};

// zlib could not be set up or failed for a reason other than bad input.
class CompressionFailure : public ArchiveError {
 public:
  using ArchiveError::ArchiveError;
};

}  // namespace arkwell::archive
