#include "archive/ArchiveError.h"

#include <cstring>

namespace arkwell::archive {

const char* errorText(int code) {
  switch (code) {
    case ecCannotReadFile: return "Cannot read file";
    case ecOverwriteFailed: return "Overwriting file failed";
    case ecCannotReadArchive: return "Cannot read archive";
    case ecCannotWriteArchive: return "Cannot write to archive";
    case ecInvalidArchive: return "Invalid archive type";
    case ecCompression: return "Compression error";
    case ecTempFile: return "Cannot create temporary file to save the file IDs";
    default: return "";
  }
}

ArchiveFormatError::ArchiveFormatError(const std::string& volume, int64_t offset, const std::string& what)
    : ArchiveError(volume + " at offset " + std::to_string(offset) + ": " + what),
      volume_(volume),
      offset_(offset),
      detail_(what) {}

FileIoError::FileIoError(const std::string& action, const std::string& path, int errnum)
    : ArchiveError(action + " " + path + ": " + std::strerror(errnum)), errnum_(errnum) {}

}  // namespace arkwell::archive
