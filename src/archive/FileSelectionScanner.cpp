#include "archive/FileSelectionScanner.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/FileMask.h"
#include "platform/PathText.h"

namespace arkwell::archive {

namespace {

std::string trimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) {
    return {};
  }
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool isRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

struct DirEntry {
  std::string name;
  bool isDir;
};

// Entries of a folder in name order, "." and ".." left out. Symbolic links
// count as what they point to, except that linked folders are not entered
// (they could loop).
std::vector<DirEntry> listFolder(const std::string& folder) {
  std::vector<DirEntry> entries;
  DIR* dir = ::opendir(folder.empty() ? "/" : folder.c_str());
  if (dir == nullptr) {
    return entries;
  }
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") {
      continue;
    }
    // The entry type from readdir spares a stat call per entry where the
    // file system reports it.
    if (e->d_type == DT_DIR || e->d_type == DT_REG) {
      entries.push_back({name, e->d_type == DT_DIR});
      continue;
    }
    struct stat st {};
    const std::string full = folder + "/" + name;
    if (::lstat(full.c_str(), &st) != 0) {
      continue;
    }
    if (S_ISDIR(st.st_mode)) {
      entries.push_back({name, true});
    } else if (S_ISREG(st.st_mode) || (S_ISLNK(st.st_mode) && isRegularFile(full))) {
      entries.push_back({name, false});
    }
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  return entries;
}

}  // namespace

SelectionLine parseSelectionLine(const std::string& line) {
  SelectionLine spec;
  std::string pattern = trimBlanks(line);
  // Only a trailing " /s" switches recursion on: "/s" may begin a folder name.
  if (pattern.size() >= 3 && pattern.compare(pattern.size() - 3, 3, " /s") == 0) {
    spec.recursive = true;
    pattern = trimBlanks(pattern.substr(0, pattern.size() - 3));
  }
  const size_t slash = pattern.find_last_of('/');
  if (slash == std::string::npos) {
    spec.folder = platform::absolutePath(".");
    spec.mask = pattern;
  } else {
    spec.folder = platform::absolutePath(slash == 0 ? "/" : pattern.substr(0, slash));
    spec.mask = pattern.substr(slash + 1);
  }
  if (spec.folder == "/") {
    spec.folder.clear();  // joined as folder + "/" + name
  }
  if (spec.mask.empty()) {
    spec.mask = "*";
  }
  return spec;
}

FileSelectionScanner::FileSelectionScanner(const std::vector<std::string>& excludeList, std::string archiveName,
                                           FilterFn filter, CounterFn counter, const std::function<bool()>& keepGoing)
    : archiveName_(std::move(archiveName)),
      filter_(std::move(filter)),
      counter_(std::move(counter)),
      keepGoing_(keepGoing) {
  for (const std::string& fragment : excludeList) {
    if (!fragment.empty()) {
      excludeUpper_.push_back(platform::asciiUpper(fragment));
    }
  }
}

bool FileSelectionScanner::excluded(const std::string& path) const {
  if (excludeUpper_.empty()) {
    return false;
  }
  const std::string upper = platform::asciiUpper(path);
  return std::any_of(excludeUpper_.begin(), excludeUpper_.end(),
                     [&](const std::string& fragment) { return upper.find(fragment) != std::string::npos; });
}

void FileSelectionScanner::expand(const std::string& line, std::vector<std::string>& files) {
  const std::string trimmed = trimBlanks(line);
  if (trimmed.empty()) {
    return;
  }
  if (isRegularFile(trimmed)) {
    // A named file is stored whatever the exclusions and its archive flag say.
    files.push_back(platform::absolutePath(trimmed));
    return;
  }
  const SelectionLine spec = parseSelectionLine(trimmed);
  scan(spec.folder, spec.mask, spec.recursive, files);
}

void FileSelectionScanner::scan(const std::string& folder, const std::string& mask, bool recursive,
                                std::vector<std::string>& files) {
  if (counter_) {
    counter_(dirCount_, fileCount_, currentPath_);
  }
  const std::vector<DirEntry> entries = listFolder(folder);
  if (recursive) {
    for (const DirEntry& entry : entries) {
      if (!keepGoing_()) {
        return;
      }
      if (!entry.isDir) {
        continue;
      }
      const std::string sub = folder + "/" + entry.name;
      currentPath_ = sub + "/" + mask;
      ++dirCount_;
      scan(sub, mask, true, files);
    }
  }
  for (const DirEntry& entry : entries) {
    if (!keepGoing_()) {
      return;
    }
    if (entry.isDir || !platform::matchesMask(entry.name, mask)) {
      continue;
    }
    ++fileCount_;
    currentPath_ = folder + "/" + entry.name;
    if (currentPath_ == archiveName_ || excluded(currentPath_)) {
      continue;
    }
    if (!filter_ || filter_(currentPath_)) {
      files.push_back(currentPath_);
    }
  }
}

}  // namespace arkwell::archive
