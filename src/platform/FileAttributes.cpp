#include "platform/FileAttributes.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace arkwell::platform {

namespace {

std::string archivedStamp(const struct stat& st) {
  const long long mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  return std::to_string(mtimeNs) + " " + std::to_string(static_cast<long long>(st.st_size));
}

std::string baseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool isReadOnly(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

bool setReadOnly(const std::string& path, bool readOnly) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    return false;
  }
  mode_t mode = st.st_mode & 07777;
  mode = readOnly ? (mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
  return ::chmod(path.c_str(), mode) == 0;
}

bool isHidden(const std::string& path) {
  const std::string name = baseName(path);
  return !name.empty() && name[0] == '.' && name != "." && name != "..";
}

bool isArchiveFlagSet(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    return true;
  }
  char stored[64];
  const ssize_t length = ::getxattr(path.c_str(), kArchivedAttributeName, stored, sizeof stored);
  if (length <= 0) {
    return true;  // never cleared, or the file system keeps no attributes
  }
  return std::string(stored, static_cast<size_t>(length)) != archivedStamp(st);
}

bool clearArchiveFlag(const std::string& path, const struct stat& asStored) {
  const std::string stamp = archivedStamp(asStored);
  if (::setxattr(path.c_str(), kArchivedAttributeName, stamp.data(), stamp.size(), 0) == 0) {
    return true;
  }
  // User attributes need write permission; a read-only file of our own gets
  // it for the moment of the write (only ctime changes).
  if (errno != EACCES && errno != EPERM) {
    return false;
  }
  struct stat now {};
  if (::stat(path.c_str(), &now) != 0 || now.st_uid != ::geteuid()) {
    return false;
  }
  if (::chmod(path.c_str(), (now.st_mode & 07777) | S_IWUSR) != 0) {
    return false;
  }
  const bool cleared = ::setxattr(path.c_str(), kArchivedAttributeName, stamp.data(), stamp.size(), 0) == 0;
  ::chmod(path.c_str(), now.st_mode & 07777);
  return cleared;
}

bool clearArchiveFlag(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && clearArchiveFlag(path, st);
}

bool setArchiveFlag(const std::string& path) {
  return ::removexattr(path.c_str(), kArchivedAttributeName) == 0 || errno == ENODATA;
}

}  // namespace arkwell::platform
