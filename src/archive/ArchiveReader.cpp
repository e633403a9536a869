#include "archive/ArchiveReader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "archive/ArchiveFormat.h"
#include "archive/RestoreOutput.h"
#include "archive/RestoreTarget.h"
#include "platform/DosDateTime.h"

namespace arkwell::archive {

namespace {

// A stored file list beyond this is refused: a few bytes of archive can
// inflate to many megabytes, and the list is held in memory.
constexpr size_t kMaxFileListBytes = 256u * 1024 * 1024;
// Each line costs a string beside its bytes: a list of millions of tiny
// lines would take gigabytes while staying under the byte limit.
constexpr size_t kMaxFileListLines = 4u * 1000 * 1000;
// How often a missing volume is asked for before the restore gives up.
constexpr int kMaxVolumeRequests = 100;

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    size_t stop = end;
    if (stop > pos && text[stop - 1] == '\r') --stop;
    // A real line is never empty; a flood of empty ones is damage, not a list.
    if (stop > pos) lines.push_back(text.substr(pos, stop - pos));
    pos = end + 1;
  }
  return lines;
}

}  // namespace

ArchiveReader::ArchiveReader(TBackupFile& engine)
    : e_(engine), compressed_(format::kBlockSize), inflated_(format::kBlockSize) {}

void ArchiveReader::damaged(int64_t offset, const std::string& what) const {
  throw ArchiveFormatError(in_.path(), offset, what);
}

int32_t ArchiveReader::readInt32(const char* what) {
  const int64_t at = in_.offset();
  char bytes[4];
  if (!in_.read(bytes, 4)) {
    damaged(at, std::string("the archive is cut short where the ") + what + " should be");
  }
  return format::getInt32(bytes);
}

std::string ArchiveReader::readName(int32_t length, const char* what) {
  const int64_t at = in_.offset() - 4;
  if (length < 0 || length > format::kMaxNameLength || length > in_.remaining()) {
    damaged(at, std::string("impossible ") + what + " length " + std::to_string(length));
  }
  std::string name(static_cast<size_t>(length), '\0');
  if (!in_.read(name.data(), name.size())) {
    damaged(at, std::string("the archive is cut short in a ") + what);
  }
  return name;
}

void ArchiveReader::readHeader(std::string& title) {
  const int32_t titleLength = readInt32("title length");
  title = readName(titleLength, "title");
  char numbers[16];
  const int64_t at = in_.offset();
  if (!in_.read(numbers, sizeof numbers)) {
    damaged(at, "the archive is cut short in its header");
  }
  const int64_t totalBytes = format::getInt64(numbers);
  const int64_t fileCount = format::getInt64(numbers + 8);
  if (totalBytes < 0 || fileCount < 0) {
    damaged(at, "negative byte or file count in the header");
  }
  e_.totalBytes_ = totalBytes;
  e_.fileCount_ = fileCount;
}

bool ArchiveReader::readDataSection(Sink sink, OutputFile* out, std::string* memory) {
  const int64_t markerAt = in_.offset();
  char marker[4];
  if (!in_.read(marker, 4)) {
    damaged(markerAt, "the archive is cut short where a data section should begin");
  }
  if (std::memcmp(marker, format::kMarker.data(), 4) != 0) {
    damaged(markerAt, "a data section does not begin with the EC2 marker");
  }
  while (e_.continue_) {
    const int64_t at = in_.offset();
    const int32_t length = readInt32("block length");
    if (length == 0) {
      return true;
    }
    if (length > format::kBlockSize || length < -format::kBlockSize) {
      damaged(at, "block length " + std::to_string(length) + " beyond " + std::to_string(format::kBlockSize));
    }
    const auto size = static_cast<size_t>(length < 0 ? -static_cast<int64_t>(length) : length);
    if (sink == Sink::skip) {
      if (!in_.skip(static_cast<int64_t>(size))) {
        damaged(at, "the archive is cut short inside a block");
      }
      continue;
    }
    if (!in_.read(compressed_.data(), size)) {
      damaged(at, "the archive is cut short inside a block");
    }
    const char* bytes = compressed_.data();
    size_t produced = size;
    if (length > 0) {
      switch (inflater_.inflate(compressed_.data(), size, inflated_.data(), produced)) {
        case InflateResult::ok: break;
        case InflateResult::tooLarge:
          damaged(at, "a block inflates to more than " + std::to_string(format::kBlockSize) + " bytes");
        case InflateResult::notOneStream: damaged(at, "a block is not one complete zlib stream");
      }
      bytes = inflated_.data();
    }
    if (sink == Sink::memory) {
      if (memory->size() + produced > kMaxFileListBytes) {
        damaged(at, "the stored file list is larger than " + std::to_string(kMaxFileListBytes) + " bytes");
      }
      memory->append(bytes, produced);
      continue;
    }
    if (sink == Sink::file) {
      try {
        out->write(bytes, produced);
      } catch (const FileIoError& ex) {
        e_.fail(ecCannotReadFile, ex.what());
        return false;
      }
    }
    e_.bytesDone_ += static_cast<int64_t>(produced);
    if (e_.totalBytes_ > 0) {
      e_.raiseProgress(e_.currentFile_, format::percentOf(e_.bytesDone_, e_.totalBytes_));
    }
  }
  return false;
}

int ArchiveReader::linkedVolume(const std::string& name, int64_t at) const {
  const auto number = format::parseLinkRecord(name);
  if (!number || *number != volume_ + 1 || *number > format::kMaxVolumes) {
    damaged(at, "bad volume link record \"" + name + "\"");
  }
  return *number;
}

bool ArchiveReader::switchVolume(int number, bool ask) {
  in_.close();
  const std::string path = format::volumeFileName(archiveName_, number);
  if (!ask || !e_.OnNeedDisk) {
    if (!exists(path)) {
      e_.fail(ecCannotReadArchive, "volume " + path + " is missing");
      return false;
    }
  } else {
    // Asked at least once, even when the volume is already in place.
    for (int asked = 1;; ++asked) {
      if (!e_.askNeedDisk(number)) {
        if (!exists(path)) e_.fail(ecCannotReadArchive, "volume " + path + " is missing");
        return false;
      }
      if (exists(path)) break;
      if (asked >= kMaxVolumeRequests) {
        e_.fail(ecCannotReadArchive, "volume " + path + " is missing");
        return false;
      }
    }
  }
  in_.open(path);
  volume_ = number;
  return true;
}

bool ArchiveReader::decideRestore(const std::string& target, int32_t fileDate) const {
  if (e_.RestoreMode == rmAll) {
    return true;
  }
  struct stat st {};
  const bool present = ::stat(target.c_str(), &st) == 0;
  const auto olderThanStored = [&] { return platform::toDosDateTime(st.st_mtim.tv_sec) < fileDate; };
  switch (e_.RestoreMode) {
    case rmNoOverwrite: return !present;
    case rmNewer: return !present || olderThanStored();
    case rmExisting: return present;
    case rmExistingNewer: return present && olderThanStored();
    case rmAll:
    default: return true;
  }
}

void ArchiveReader::beginEntry(Entry& entry, std::string name, const std::string& targetFolder, Walk mode) {
  entry.reset();
  entry.active = true;
  entry.storedName = std::move(name);
  entry.fileDate = readInt32("file date");
  if (mode == Walk::test) {
    entry.sink = Sink::inflateOnly;
    e_.currentFile_ = entry.storedName;
    return;
  }
  if (entry.storedName == format::kFileListName) {
    return;  // the list is never restored and never offered
  }
  const RestoreTarget target = restoreTarget(entry.storedName, targetFolder, e_.RestoreFullPath);
  if (!target.allowed()) {
    e_.refusedFiles_.push_back(entry.storedName + ": " + target.refusal);
    return;
  }
  std::string path = target.path;
  e_.currentFile_ = path;
  bool doRestore = decideRestore(path, entry.fileDate);
  if (e_.OnRestoreFile) {
    e_.OnRestoreFile(e_, path, entry.fileDate, doRestore);
    e_.currentFile_ = path;
  }
  if (!doRestore) {
    return;
  }
  const RestoreOpen opened = opener_.open(path, targetFolder);
  if (!opened.refusal.empty()) {
    e_.refusedFiles_.push_back(entry.storedName + ": " + opened.refusal);
    return;
  }
  if (opened.fd < 0) {
    e_.fail(ecCannotReadFile, opened.failure);
    return;
  }
  entry.target = path;
  entry.out.adopt(opened.fd, path);
  entry.sink = Sink::file;
}

void ArchiveReader::finishEntry(Entry& entry, Walk mode) {
  if (!entry.active) {
    return;
  }
  entry.active = false;
  if (mode == Walk::test) {
    if (!entry.failed && entry.storedName != format::kFileListName) ++e_.filesDone_;
    return;
  }
  if (!entry.out.isOpen()) {
    return;
  }
  try {
    entry.out.flush();
  } catch (const FileIoError& ex) {
    entry.failed = true;
    if (e_.errorCode_ == 0) e_.fail(ecCannotReadFile, ex.what());
  }
  if (e_.OnFileRestored) {
    e_.OnFileRestored(e_, entry.target, entry.out.fd());
  }
  platform::setFileDosDateTime(entry.out.fd(), entry.fileDate);
  try {
    entry.out.close();
  } catch (const FileIoError& ex) {
    entry.failed = true;
    if (e_.errorCode_ == 0) e_.fail(ecCannotReadFile, ex.what());
  }
  if (!entry.failed) ++e_.filesDone_;
}

bool ArchiveReader::walk(const std::string& archiveName, const std::string& targetFolder, Walk mode) {
  archiveName_ = archiveName;
  volume_ = 1;
  try {
    in_.open(archiveName);
  } catch (const FileIoError& ex) {
    if (mode == Walk::test) {
      e_.fail(ecCannotReadArchive, ex.what());
      e_.raiseFinalEvents();
      return false;
    }
    throw ArchiveError(std::string(errorText(ecCannotReadArchive)) + ": " + ex.what());
  }
  Entry entry;
  bool endMarker = false;
  try {
    std::string title;
    readHeader(title);
    e_.bytesDone_ = 0;
    while (e_.continue_) {
      const int64_t at = in_.offset();
      const int32_t length = readInt32("next record");
      if (length == format::kEndMarker) {
        endMarker = true;
        break;
      }
      std::string name = readName(length, "record name");
      if (format::isLinkName(name)) {
        const int number = linkedVolume(name, at);
        if (!entry.active) {
          damaged(at, "volume link record without a file before it");
        }
        if (!switchVolume(number, true)) break;
        if (!readDataSection(entry.sink, &entry.out, nullptr)) entry.failed = e_.errorCode_ != 0;
        continue;
      }
      finishEntry(entry, mode);
      if (!e_.continue_) break;
      beginEntry(entry, std::move(name), targetFolder, mode);
      if (!e_.continue_) break;
      if (!readDataSection(entry.sink, &entry.out, nullptr)) entry.failed = e_.errorCode_ != 0;
    }
  } catch (const ArchiveFormatError& ex) {
    entry.failed = true;
    std::string message = ex.what();
    if (entry.active) message += " (entry " + entry.storedName + ")";
    e_.fail(ecInvalidArchive, message);
  } catch (const FileIoError& ex) {
    entry.failed = true;
    e_.fail(ecCannotReadArchive, ex.what());
  } catch (const CompressionFailure& ex) {
    entry.failed = true;
    e_.fail(ecCompression, ex.what());
  }
  finishEntry(entry, mode);
  in_.close();
  const bool result = e_.errorCode_ == 0 && e_.continue_ && endMarker;
  e_.raiseFinalEvents();
  return result;
}

bool ArchiveReader::restore(const std::string& archiveName, const std::string& targetFolder) {
  e_.startOperation();
  e_.filesDone_ = 0;
  e_.bytesDone_ = 0;
  if (!exists(archiveName)) {
    return false;
  }
  return walk(archiveName, targetFolder, Walk::restore);
}

bool ArchiveReader::test(const std::string& archiveName) {
  e_.startOperation();
  e_.filesDone_ = 0;
  e_.bytesDone_ = 0;
  e_.totalBytes_ = 0;
  e_.fileCount_ = 0;
  return walk(archiveName, std::string(), Walk::test);
}

void ArchiveReader::readInfo(const std::string& archiveName, std::vector<std::string>* fileList, std::string& title) {
  title.clear();
  e_.errorCode_ = 0;
  e_.errorMessage_.clear();
  e_.totalBytes_ = 0;
  e_.fileCount_ = 0;
  e_.filesDone_ = 0;
  if (!exists(archiveName)) {
    return;
  }
  archiveName_ = archiveName;
  volume_ = 1;
  try {
    in_.open(archiveName);
  } catch (const FileIoError& ex) {
    e_.fail(ecCannotReadArchive, ex.what());
    e_.raiseError();
    throw ArchiveInfoAborted(e_.errorMessage_);
  }
  try {
    readHeader(title);
    if (fileList != nullptr) {
      const int32_t length = readInt32("first record");
      if (length > 0) {
        const std::string name = readName(length, "record name");
        if (name == format::kFileListName) {
          const std::string listVolume = in_.path();
          const int64_t listAt = in_.offset() - 4 - length;
          readInt32("file date");
          e_.continue_ = true;
          std::string text;
          readDataSection(Sink::memory, nullptr, &text);
          // A long list may go on in the next volume; the disk is not asked for.
          while (in_.remaining() >= 4 + format::kLinkRecordLength) {
            const int64_t at = in_.offset();
            const int32_t next = readInt32("next record");
            if (next != format::kLinkRecordLength) break;
            const std::string link = readName(next, "record name");
            if (!format::isLinkName(link)) break;
            if (!switchVolume(linkedVolume(link, at), false)) break;
            readDataSection(Sink::memory, nullptr, &text);
          }
          if (static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) > kMaxFileListLines) {
            throw ArchiveFormatError(
                listVolume, listAt,
                "the stored file list has more than " + std::to_string(kMaxFileListLines) + " lines");
          }
          *fileList = splitLines(text);
        }
      }
    }
  } catch (const ArchiveFormatError& ex) {
    e_.fail(ecInvalidArchive, ex.what());
  } catch (const FileIoError& ex) {
    e_.fail(ecCannotReadArchive, ex.what());
  }
  in_.close();
  e_.raiseError();
}

}  // namespace arkwell::archive
