#include "archive/RestoreOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "archive/RestoreTarget.h"
#include "platform/PathText.h"

namespace arkwell::archive {

namespace {

constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK;

std::string reason(int err) {
  return std::strerror(err);
}

// Keeps only regular files: a device or FIFO at the target is not replaced.
RestoreOpen checkedRegular(int fd, const std::string& path) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return {-1, path + " is not a regular file", {}};
  }
  return {fd, {}, {}};
}

// The file itself: a symbolic link in its place is refused, not followed.
RestoreOpen createIn(int dir, const std::string& name, const std::string& path) {
  struct stat st {};
  if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode)) {
    // Opening a device or FIFO for writing could block or act on it.
    return {-1, path + (S_ISLNK(st.st_mode) ? " is a symbolic link" : " is not a regular file"), {}};
  }
  const int fd = ::openat(dir, name.c_str(), kCreateFlags | O_NOFOLLOW, 0666);
  if (fd < 0) {
    if (errno == ELOOP) {
      return {-1, path + " is a symbolic link", {}};
    }
    return {-1, {}, "cannot create " + path + ": " + reason(errno)};
  }
  return checkedRegular(fd, path);
}

}  // namespace

RestoreOpener::~RestoreOpener() {
  if (cachedFd_ >= 0) ::close(cachedFd_);
}

RestoreOpen RestoreOpener::openBelow(const std::string& folder, const std::string& path) {
  const std::string parent = path.substr(0, path.find_last_of('/'));
  if (cachedFd_ >= 0 && parent == cachedFolder_) {
    // Most files share their folder with the one before: no walk again.
    return createIn(cachedFd_, path.substr(parent.size() + 1), path);
  }
  const std::string base = platform::withoutTrailingSlash(folder);
  if (!makeFolders(base)) {
    return {-1, "cannot create folder " + base + ": " + reason(errno), {}};
  }
  int dir = ::open(base.c_str(), O_DIRECTORY | O_RDONLY | O_CLOEXEC);
  if (dir < 0) {
    return {-1, "cannot open folder " + base + ": " + reason(errno), {}};
  }
  const std::vector<std::string> parts = platform::pathComponents(path.substr(base == "/" ? 1 : base.size() + 1));
  for (const std::string& part : parts) {
    if (part == "..") {
      ::close(dir);
      return {-1, path + " has a \"..\" component", {}};
    }
  }
  if (parts.empty()) {
    ::close(dir);
    return {-1, path + " names no file", {}};
  }
  std::string walked = base;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    walked += "/" + parts[i];
    int sub = ::openat(dir, parts[i].c_str(), O_DIRECTORY | O_NOFOLLOW | O_RDONLY | O_CLOEXEC);
    if (sub < 0 && errno == ENOENT) {
      if (::mkdirat(dir, parts[i].c_str(), 0777) != 0 && errno != EEXIST) {
        const int err = errno;
        ::close(dir);
        return {-1, "cannot create folder " + walked + ": " + reason(err), {}};
      }
      sub = ::openat(dir, parts[i].c_str(), O_DIRECTORY | O_NOFOLLOW | O_RDONLY | O_CLOEXEC);
    }
    if (sub < 0) {
      const int err = errno;
      ::close(dir);
      if (err == ELOOP || err == ENOTDIR) {
        return {-1, walked + " is a symbolic link or not a folder", {}};
      }
      return {-1, "cannot open folder " + walked + ": " + reason(err), {}};
    }
    ::close(dir);
    dir = sub;
  }
  if (cachedFd_ >= 0) ::close(cachedFd_);
  cachedFd_ = dir;
  cachedFolder_ = parent;
  return createIn(dir, parts.back(), path);
}

bool makeFolders(const std::string& folder) {
  if (folder.empty()) {
    return true;
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return true;
    errno = ENOTDIR;
    return false;
  }
  const size_t slash = folder.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !makeFolders(folder.substr(0, slash))) {
    return false;
  }
  return ::mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST;
}

RestoreOpen RestoreOpener::open(const std::string& path, const std::string& targetFolder) {
  if (!targetFolder.empty() && isBelowFolder(path, targetFolder)) {
    return openBelow(targetFolder, path);
  }
  const size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !makeFolders(path.substr(0, slash))) {
    return {-1, "cannot create folder " + path.substr(0, slash) + ": " + reason(errno), {}};
  }
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    return {-1, path + " is not a regular file", {}};
  }
  const int fd = ::open(path.c_str(), kCreateFlags, 0666);
  if (fd < 0) {
    return {-1, {}, "cannot create " + path + ": " + reason(errno)};
  }
  return checkedRegular(fd, path);
}

}  // namespace arkwell::archive
