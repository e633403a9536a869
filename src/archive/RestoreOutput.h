#pragma once
// Creating restored files. Below a target folder every folder on the way is
// opened without following symbolic links, so nothing a restore writes can
// land outside that folder.
#include <string>

namespace arkwell::archive {

struct RestoreOpen {
  int fd = -1;          // open for writing, truncated; -1 when not opened
  std::string refusal;  // the file may not or cannot be placed there: skip it
  std::string failure;  // the file could not be created: an error
};

// Creates the folders up to a restored file and creates (or replaces) the
// file. When the target folder is not empty and the path lies below it, the
// part below it is walked without following links. Keeps the last folder
// open, so one object serves one restore.
class RestoreOpener {
 public:
  RestoreOpener() = default;
  ~RestoreOpener();
  RestoreOpener(const RestoreOpener&) = delete;
  RestoreOpener& operator=(const RestoreOpener&) = delete;

  RestoreOpen open(const std::string& path, const std::string& targetFolder);

 private:
  RestoreOpen openBelow(const std::string& folder, const std::string& path);

  std::string cachedFolder_;
  int cachedFd_ = -1;
};

// Creates a folder with all missing parents; false with errno set on failure.
bool makeFolders(const std::string& folder);

}  // namespace arkwell::archive
