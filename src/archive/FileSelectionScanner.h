#pragma once
// Expands file selection lines into the list of files to store.
// A line is either an existing file, or "folder/mask" optionally followed by a
// blank and "/s" (recursive). Folders are scanned depth first, sub-folders
// before the files of their parent, entries in name order; symbolic links to
// folders are not followed and only regular files are listed.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace arkwell::archive {

struct SelectionLine {
  std::string folder;  // absolute, without trailing "/"
  std::string mask;
  bool recursive = false;
};

// Splits a (non-file) selection line into folder, mask and the switch.
SelectionLine parseSelectionLine(const std::string& line);

class FileSelectionScanner {
 public:
  // counter(ADirCount, AFileCount, ADir) is raised on entering each folder.
  using CounterFn = std::function<void(int64_t, int64_t, const std::string&)>;
  // Whether a found file qualifies beyond mask and exclusion (the archive
  // flag test of incremental backups).
  using FilterFn = std::function<bool(const std::string&)>;

  FileSelectionScanner(const std::vector<std::string>& excludeList, std::string archiveName, FilterFn filter,
                       CounterFn counter, const std::function<bool()>& keepGoing);

  // Appends the files of one selection line to `files`.
  void expand(const std::string& line, std::vector<std::string>& files);

  int64_t dirCount() const { return dirCount_; }
  int64_t fileCount() const { return fileCount_; }

 private:
  void scan(const std::string& folder, const std::string& mask, bool recursive, std::vector<std::string>& files);
  bool excluded(const std::string& path) const;

  std::vector<std::string> excludeUpper_;
  std::string archiveName_;
  FilterFn filter_;
  CounterFn counter_;
  const std::function<bool()>& keepGoing_;
  int64_t dirCount_ = 0;
  int64_t fileCount_ = 0;
  std::string currentPath_;
};

}  // namespace arkwell::archive
