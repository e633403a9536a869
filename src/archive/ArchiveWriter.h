#pragma once
// The writing side of TBackupFile: one Backup operation. Internal to the
// archive library; callers use TBackupFile::Backup.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "archive/BackupFile.h"
#include "archive/BlockCodec.h"
#include "archive/BufferedFile.h"
#include "archive/SourceReader.h"

namespace arkwell::archive {

class ArchiveWriter {
 public:
  explicit ArchiveWriter(TBackupFile& engine);
  bool backup(const std::vector<std::string>& fileSpecs, const std::string& archiveName);

 private:
  struct StoredFile {
    std::string path;
    int64_t position;
    struct stat asStored;
  };

  std::vector<std::string> expand(const std::vector<std::string>& fileSpecs, const std::string& archiveName);
  void measure(std::vector<std::string>& files, std::string& identity);
  // Threads that read and compress, the calling one included.
  int workers() const;
  void storeFile(size_t index, const std::string& path, bool isFileList, const SourceReader::Opened& opened);
  void writeDataSection(const std::string& path, int64_t& remaining);
  void startNextVolume();
  void writeEndMarkerAndClose(bool& result);
  void clearArchiveFlags();
  void counter(int64_t dirs, int64_t files, const std::string& dir);

  TBackupFile& e_;
  std::string archiveName_;
  OutputFile archive_;
  int volume_ = 1;
  int64_t blocksInVolume_ = 0;
  SourceReader* source_ = nullptr;
  std::vector<StoredFile> stored_;
};

}  // namespace arkwell::archive
