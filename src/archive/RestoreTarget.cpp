#include "archive/RestoreTarget.h"

#include "platform/PathText.h"

namespace arkwell::archive {

namespace {

bool isDriveName(std::string_view name) {
  return name.size() >= 2 && name[1] == ':' &&
         ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

}  // namespace

std::string storedNameToSlashes(std::string_view storedName) {
  std::string name(storedName);
  // A Linux name may hold backslashes in its file names; only names made on
  // Windows use them as separators.
  if (!name.empty() && name[0] == '/') return name;
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

std::string storedRelativePath(std::string_view storedName) {
  if (storedName.find('\0') != std::string_view::npos) {
    return {};
  }
  std::string name = storedNameToSlashes(storedName);
  std::string_view rest = name;
  if (isDriveName(rest)) {
    rest.remove_prefix(2);  // "E:"; the slash after it goes with the components
  }
  std::string relative;
  for (const std::string& part : platform::pathComponents(rest)) {
    if (part == "..") {
      return {};
    }
    if (!relative.empty()) relative += '/';
    relative += part;
  }
  return relative;
}

RestoreTarget restoreTarget(std::string_view storedName, const std::string& targetFolder, bool keepStructure) {
  const std::string relative = storedRelativePath(storedName);
  if (relative.empty()) {
    return {{}, "unsafe or empty stored name"};
  }
  if (targetFolder.empty()) {
    const std::string name = storedNameToSlashes(storedName);
    if (name.empty() || name[0] != '/' || name.compare(0, 2, "//") == 0) {
      return {{}, "not a path of this system; choose a target folder"};
    }
    return {"/" + relative, {}};
  }
  const std::string folder = platform::withoutTrailingSlash(targetFolder);
  const std::string base = folder == "/" ? std::string() : folder;
  if (keepStructure) {
    return {base + "/" + relative, {}};
  }
  const size_t slash = relative.find_last_of('/');
  return {base + "/" + (slash == std::string::npos ? relative : relative.substr(slash + 1)), {}};
}

bool isBelowFolder(const std::string& path, const std::string& folder) {
  const std::string base = platform::withoutTrailingSlash(folder);
  if (base == "/") {
    return path.size() > 1 && path[0] == '/';
  }
  return path.size() > base.size() + 1 && path.compare(0, base.size(), base) == 0 && path[base.size()] == '/';
}

}  // namespace arkwell::archive
