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

// Creates the folders up to `path` and creates (or replaces) the file. When
// `targetFolder` is not empty and `path` lies below it, the part below it is
// walked without following links.
RestoreOpen openRestoreTarget(const std::string& path, const std::string& targetFolder);

// Creates a folder with all missing parents; false with errno set on failure.
bool makeFolders(const std::string& folder);

}  // namespace arkwell::archive
