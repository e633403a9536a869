#include "archive/ArchiveWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "archive/ArchiveFormat.h"
#include "archive/FileMeasurer.h"
#include "archive/FileSelectionScanner.h"
#include "platform/DosDateTime.h"
#include "platform/FileAttributes.h"
#include "platform/PathText.h"
#include "platform/TempFile.h"

namespace arkwell::archive {

namespace {

constexpr const char* kChangedWhileReading = "File changed while reading: ";
constexpr int kMaxEmptyReads = 4;
// Small enough that a stop asked for while measuring takes effect soon.
constexpr size_t kMeasureWindow = 512;

std::string systemError(const std::string& action, const std::string& path, int err) {
  return action + " " + path + ": " + std::strerror(err);
}

}  // namespace

ArchiveWriter::ArchiveWriter(TBackupFile& engine) : e_(engine) {}

void ArchiveWriter::counter(int64_t dirs, int64_t files, const std::string& dir) {
  if (e_.OnCounter) {
    e_.OnCounter(e_, dirs, files, dir);
  }
}

std::vector<std::string> ArchiveWriter::expand(const std::vector<std::string>& fileSpecs,
                                               const std::string& archiveName) {
  std::vector<std::string> files;
  FileSelectionScanner::FilterFn filter;
  if (e_.BackupMode() == bmIncremental) {
    filter = [](const std::string& path) { return platform::isArchiveFlagSet(path); };
  }
  const std::function<bool()> keepGoing = [this] { return e_.continue_.load(); };
  FileSelectionScanner scanner(
      TBackupFile::ExcludeList, platform::absolutePath(archiveName), filter,
      [this](int64_t dirs, int64_t found, const std::string& dir) { counter(dirs, found, dir); }, keepGoing);
  for (const std::string& line : fileSpecs) {
    if (!e_.continue_) break;
    scanner.expand(line, files);
  }
  counter(scanner.dirCount(), scanner.fileCount(), "-1");
  return files;
}

void ArchiveWriter::measure(std::vector<std::string>& files, std::string& identity) {
  std::vector<std::string> kept;
  kept.reserve(files.size());
  std::vector<MeasuredFile> measured(std::min(files.size(), kMeasureWindow));
  size_t next = 0;
  while (next < files.size() && e_.continue_) {
    // A window at a time keeps the memory small on any tree; events are
    // raised in list order once the window is measured.
    const size_t windowStart = next;
    const size_t windowEnd = std::min(files.size(), next + kMeasureWindow);
    measureFiles(files, windowStart, windowEnd, measured.data(), workers());
    for (; next < windowEnd && e_.continue_; ++next) {
      std::string& path = files[next];
      counter(0, static_cast<int64_t>(kept.size()) + 1, "-1");
      const MeasuredFile& m = measured[next - windowStart];
      if (m.error != 0) {
        TBackupFile::SkippedFiles.push_back(path);
        continue;
      }
      e_.totalBytes_ += m.size;
      if (e_.SaveFileID) {
        identity += format::fileListLine(path, platform::toDosDateTime(m.modified), m.size);
      }
      kept.push_back(std::move(path));
    }
  }
  // Entries not reached after a stop stay listed, as they were.
  for (; next < files.size(); ++next) {
    kept.push_back(std::move(files[next]));
  }
  files.swap(kept);
}

int ArchiveWriter::workers() const {
  return e_.WorkerThreads > 0 ? e_.WorkerThreads : SourceReader::defaultWorkers();
}

bool ArchiveWriter::backup(const std::vector<std::string>& fileSpecs, const std::string& archiveName) {
  e_.startOperation();
  e_.filesDone_ = 0;
  e_.totalBytes_ = 0;
  e_.bytesDone_ = 0;
  e_.fileCount_ = 0;
  archiveName_ = archiveName;
  volume_ = 1;
  blocksInVolume_ = 0;
  stored_.clear();

  std::vector<std::string> files = expand(fileSpecs, archiveName);
  if (!e_.continue_) {
    return false;
  }
  e_.raiseProgress(std::string(), 0);
  e_.totalBytes_ = 0;
  e_.filesDone_ = 0;

  std::string identity;
  measure(files, identity);

  std::string listFile;
  if (e_.SaveFileID && e_.continue_) {
    try {
      listFile = platform::createTempFile("FID");
      OutputFile list;
      list.create(listFile);
      list.write(identity);
      list.close();
      files.insert(files.begin(), listFile);
      e_.totalBytes_ += static_cast<int64_t>(identity.size());
    } catch (const std::exception& ex) {
      e_.fail(ecTempFile, ex.what());
    }
  }
  identity.clear();
  identity.shrink_to_fit();

  const bool hasList = !listFile.empty() && !files.empty() && files.front() == listFile;
  e_.fileCount_ = static_cast<int64_t>(files.size()) - (hasList ? 1 : 0);
  try {
    archive_.create(archiveName);
    archive_.write(format::encodeHeader(e_.BackupTitle, e_.totalBytes_, e_.fileCount_));
  } catch (const ArchiveError& ex) {
    e_.fail(ecCannotWriteArchive, ex.what());
  }
  e_.bytesDone_ = 0;

  bool result = false;
  if (e_.continue_) {
    try {
      SourceReader source(files, zlibLevel(e_.CompressionLevel), workers());
      source_ = &source;
      for (size_t i = 0; i < files.size() && e_.continue_; ++i) {
        const SourceReader::Opened opened = source.open(i);
        if (opened.error == ENOENT) {
          source.close();  // deleted since it was listed: passed over without a record
          continue;
        }
        counter(0, static_cast<int64_t>(i) + 1, "-2");
        storeFile(i, files[i], hasList && i == 0, opened);
      }
      source_ = nullptr;
    } catch (const CompressionFailure& ex) {
      source_ = nullptr;
      e_.fail(ecCompression, ex.what() + std::string(" while storing ") + e_.currentFile_);
    }
  }
  writeEndMarkerAndClose(result);
  files.clear();
  if (!listFile.empty()) {
    ::unlink(listFile.c_str());
  }
  if (result && e_.SetArchiveFlag) {
    clearArchiveFlags();
  }
  e_.raiseFinalEvents();
  return result;
}

void ArchiveWriter::writeEndMarkerAndClose(bool& result) {
  try {
    if (e_.continue_) {
      char end[4];
      format::storeInt32(end, format::kEndMarker);
      archive_.write(end, 4);
      archive_.close();
      result = true;
    } else {
      archive_.close();
    }
  } catch (const ArchiveError& ex) {
    result = false;
    if (e_.errorCode_ == 0) e_.fail(ecCannotWriteArchive, ex.what());
  }
}

// Flags are cleared only once the archive is complete: a failed archive is
// deleted by its run, and its files must stay marked for the next one.
void ArchiveWriter::clearArchiveFlags() {
  for (const StoredFile& file : stored_) {
    counter(0, file.position, "-3");
    platform::clearArchiveFlag(file.path, file.asStored);
  }
  stored_.clear();
}

void ArchiveWriter::storeFile(size_t index, const std::string& path, bool isFileList,
                              const SourceReader::Opened& opened) {
  e_.currentFile_ = path;
  const auto position = static_cast<int64_t>(index) + 1;
  try {
    archive_.write(format::encodeName(isFileList ? std::string(format::kFileListName) : path));
  } catch (const ArchiveError& ex) {
    e_.fail(ecCannotWriteArchive, ex.what());
    source_->close();
    return;
  }
  if (opened.error != 0) {
    e_.fail(ecCannotReadFile, systemError("cannot open", path, opened.error));
    source_->close();
    return;
  }
  int64_t remaining = opened.st.st_size;
  try {
    char date[4];
    format::storeInt32(date, platform::toDosDateTime(opened.st.st_mtim.tv_sec));
    archive_.write(date, 4);
    while (e_.continue_) {
      writeDataSection(path, remaining);
      if (remaining <= 0) break;
    }
  } catch (const FileIoError& ex) {
    e_.fail(ecCannotWriteArchive, ex.what());
  } catch (const CompressionFailure& ex) {
    e_.fail(ecCompression, std::string(ex.what()) + " while storing " + path);
  }
  source_->close();
  const bool readFailed = e_.errorCode_ == ecCannotReadFile;
  if (!isFileList && !readFailed) {
    ++e_.filesDone_;
    if (e_.SetArchiveFlag && remaining <= 0) {
      stored_.push_back({path, position, opened.st});
    }
  }
}

void ArchiveWriter::writeDataSection(const std::string& path, int64_t& remaining) {
  archive_.write(format::kMarker.data(), format::kMarker.size());
  int emptyReads = 0;
  char lengthBytes[4];
  while (emptyReads < kMaxEmptyReads && remaining > 0 && e_.continue_) {
    // A fresh continuation volume always takes a block, so that even a tiny
    // volume size makes progress instead of filling 999 empty volumes.
    if (e_.MaxSize != 0 && archive_.position() >= e_.MaxSize - format::kVolumeReserve &&
        !(volume_ > 1 && blocksInVolume_ == 0)) {
      break;
    }
    const SourceReader::Block block = source_->next();
    if (block.got < 0) {
      e_.fail(ecCannotReadFile, systemError("cannot read", path, block.error));
      break;
    }
    remaining -= block.got;
    e_.bytesDone_ += block.got;
    if (block.got == 0 && ++emptyReads == kMaxEmptyReads) {
      remaining = 0;
      TBackupFile::SkippedFiles.push_back(kChangedWhileReading + path);
    }
    format::storeInt32(lengthBytes, block.compressed.length);
    archive_.write(lengthBytes, 4);
    archive_.write(block.compressed.data, block.compressed.size());
    ++blocksInVolume_;
    e_.raiseProgress(e_.currentFile_, format::percentOf(e_.bytesDone_, e_.totalBytes_));
  }
  format::storeInt32(lengthBytes, format::kTerminator);
  archive_.write(lengthBytes, 4);
  if (remaining > 0 && e_.continue_ && emptyReads < kMaxEmptyReads) {
    startNextVolume();
  }
}

void ArchiveWriter::startNextVolume() {
  if (volume_ + 1 > format::kMaxVolumes) {
    e_.fail(ecCannotWriteArchive, archiveName_ + " would need more than " + std::to_string(format::kMaxVolumes) +
                                      " volumes; choose a larger volume size");
    return;
  }
  ++volume_;
  archive_.write(format::encodeLinkRecord(volume_));
  archive_.close();
  if (!e_.askNeedDisk(volume_)) {
    return;  // refused: a stop without error code
  }
  archive_.create(format::volumeFileName(archiveName_, volume_));
  blocksInVolume_ = 0;
}

}  // namespace arkwell::archive
