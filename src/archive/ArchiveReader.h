#pragma once
// The reading side of TBackupFile: Restore, ReadArchiveInfo and Test. One
// walker serves all three; they differ in what happens to an entry's data
// (written to a file, kept in memory, only inflated, or skipped by seeking).
// Internal to the archive library.
#include <string>
#include <vector>

#include "archive/BackupFile.h"
#include "archive/BlockCodec.h"
#include "archive/BufferedFile.h"
#include "archive/RestoreOutput.h"

namespace arkwell::archive {

class ArchiveReader {
 public:
  explicit ArchiveReader(TBackupFile& engine);
  bool restore(const std::string& archiveName, const std::string& targetFolder);
  void readInfo(const std::string& archiveName, std::vector<std::string>* fileList, std::string& title);
  bool test(const std::string& archiveName);

 private:
  enum class Sink { skip, file, inflateOnly, memory };

  struct Entry {
    bool active = false;
    std::string storedName;
    std::string target;
    int32_t fileDate = 0;
    Sink sink = Sink::skip;
    OutputFile out;
    bool failed = false;
    // Ready for the next entry; the output must be closed already.
    void reset() {
      active = false;
      storedName.clear();
      target.clear();
      fileDate = 0;
      sink = Sink::skip;
      failed = false;
    }
  };

  enum class Walk { restore, test };

  bool walk(const std::string& archiveName, const std::string& targetFolder, Walk mode);
  void beginEntry(Entry& entry, std::string name, const std::string& targetFolder, Walk mode);
  void finishEntry(Entry& entry, Walk mode);
  bool decideRestore(const std::string& target, int32_t fileDate) const;

  void readHeader(std::string& title);
  int32_t readInt32(const char* what);
  std::string readName(int32_t length, const char* what);
  // Reads one data section into the sink; false when it ended early (a stop,
  // or a write failure recorded in the engine).
  bool readDataSection(Sink sink, OutputFile* out, std::string* memory);
  // The volume a link record names; throws when it is not the next one.
  int linkedVolume(const std::string& name, int64_t at) const;
  // Opens the next volume, asking OnNeedDisk first when `ask` is set.
  bool switchVolume(int number, bool ask);
  [[noreturn]] void damaged(int64_t offset, const std::string& what) const;

  TBackupFile& e_;
  std::string archiveName_;
  InputFile in_;
  int volume_ = 1;
  BlockInflater inflater_;
  RestoreOpener opener_;
  std::vector<char> compressed_;
  std::vector<char> inflated_;
};

}  // namespace arkwell::archive
