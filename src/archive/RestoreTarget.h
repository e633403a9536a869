#pragma once
// Where a stored name is restored to. The one rule for the reader and for
// every restore selection, so that both always agree.
//
// Stored names are absolute Linux paths ("/home/ann/a.txt") or names made on
// Windows ("E:\x\a.txt", "\\server\share\a.txt"), whose backslashes count as "/".
#include <string>
#include <string_view>

namespace arkwell::archive {

struct RestoreTarget {
  std::string path;     // where the file goes; empty when refused
  std::string refusal;  // why it may not be restored; empty when allowed
  bool allowed() const { return refusal.empty(); }
};

// Backslashes turned into "/" in names made on Windows; a Linux name
// (beginning with "/") keeps them, as they are part of its file names.
std::string storedNameToSlashes(std::string_view storedName);

// The stored name without its root ("/", "E:\" or the two leading
// backslashes of a UNC name), as a relative path with single "/" between
// components. Empty when the name has a ".." component, a NUL byte, or
// nothing below its root.
std::string storedRelativePath(std::string_view storedName);

// targetFolder empty: the stored name itself, which must be an absolute path
// of this system. Otherwise targetFolder + "/" + the stored file name, or,
// with keepStructure, targetFolder + "/" + storedRelativePath. Names with a
// ".." component are always refused.
RestoreTarget restoreTarget(std::string_view storedName, const std::string& targetFolder, bool keepStructure);

// Whether `path` lies below `folder` (lexically; both absolute or both relative).
bool isBelowFolder(const std::string& path, const std::string& folder);

}  // namespace arkwell::archive
