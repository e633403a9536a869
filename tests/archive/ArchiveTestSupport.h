#pragma once
// Helpers for archive tests: test data from fixed seeds, a byte-level archive
// builder (independent of the engine's writer, for hand-made and hostile
// archives), a small structural parser and an event recorder.
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "archive/BackupFile.h"
#include "support/LocalTime.h"

namespace arkwell::test {

// Incompressible bytes from a seed (the seed is part of every failure message).
std::string randomBytes(size_t size, uint32_t seed);
// Compressible text from a seed.
std::string textBytes(size_t size, uint32_t seed);
void setMtime(const std::string& path, std::time_t moment);
// One complete zlib stream of `data`.
std::string zlibStream(const std::string& data, int level = 9);

// Builds archive bytes record by record.
class ArchiveBuilder {
 public:
  ArchiveBuilder& header(const std::string& title, int64_t totalBytes, int64_t fileCount);
  ArchiveBuilder& name(const std::string& name);  // NameLength + Name
  ArchiveBuilder& int32(int32_t value);
  ArchiveBuilder& marker();
  ArchiveBuilder& compressedBlock(const std::string& data, int level = 1);
  ArchiveBuilder& rawBlock(const std::string& data);
  // name, date, marker, the data in blocks of 16384 (compressed), terminator
  ArchiveBuilder& file(const std::string& name, int32_t date, const std::string& data);
  ArchiveBuilder& terminator() { return int32(0); }
  ArchiveBuilder& endMarker() { return int32(0); }
  ArchiveBuilder& link(int volume);
  ArchiveBuilder& bytes(const std::string& raw);
  const std::string& str() const { return bytes_; }
  void save(const std::string& path) const;

 private:
  std::string bytes_;
};

// The records of one volume file, as a test reads them.
struct ParsedEntry {
  std::string name;  // entry name, or the link record text
  int32_t fileDate = 0;
  bool continuation = false;    // a data section continuing the previous volume
  std::vector<int32_t> blocks;  // block lengths
};
struct ParsedVolume {
  std::string title;
  int64_t totalBytes = 0;
  int64_t fileCount = 0;
  std::vector<ParsedEntry> entries;
  std::string link;  // "NEXT:DISK002" when the volume ends with a link
  bool endMarker = false;
};
ParsedVolume parseVolume(const std::string& bytes, bool firstVolume);

// Records the events of an engine as text lines.
struct EventLog {
  std::vector<std::string> lines;
  void attach(archive::TBackupFile& engine);
};

}  // namespace arkwell::test
