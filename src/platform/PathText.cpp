#include "platform/PathText.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace arkwell::platform {

namespace {

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

std::vector<std::string> pathComponents(std::string_view path) {
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos <= path.size()) {
    size_t next = path.find('/', pos);
    if (next == std::string_view::npos) next = path.size();
    const std::string_view part = path.substr(pos, next - pos);
    if (!part.empty() && part != ".") {
      parts.emplace_back(part);
    }
    pos = next + 1;
  }
  return parts;
}

std::string joinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string joined(folder);
  if (joined.back() != '/') joined += '/';
  joined += name;
  return joined;
}

std::string withoutTrailingSlash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') {
    folder.pop_back();
  }
  return folder;
}

std::string absolutePath(const std::string& path) {
  std::string joined = path;
  if (joined.empty() || joined[0] != '/') {
    char cwd[PATH_MAX];
    joined = (::getcwd(cwd, sizeof cwd) != nullptr ? std::string(cwd) : std::string("/")) + "/" + joined;
  }
  std::vector<std::string> kept;
  bool hadParent = false;
  for (std::string& part : pathComponents(joined)) {
    if (part == "..") {
      hadParent = true;
      if (!kept.empty()) kept.pop_back();
    } else {
      kept.push_back(std::move(part));
    }
  }
  std::string result;
  for (const std::string& part : kept) result += "/" + part;
  if (result.empty()) result = "/";
  if (hadParent && !sameFile(result, joined)) {
    char real[PATH_MAX];
    if (::realpath(joined.c_str(), real) != nullptr) return real;
  }
  return result;
}

}  // namespace arkwell::platform
