#pragma once
// The Windows file attributes the program relies on, emulated on Linux:
// read-only = the owner lacks write permission; hidden = the name begins with
// "."; the archive flag = "changed since last cleared", kept as the file's
// modification time and size in the extended attribute
// user.arkwellbackup.archived. Where extended attributes are refused the
// archive flag always reads set, so an incremental backup stores too much
// rather than missing a change.
#include <sys/stat.h>

#include <string>

namespace arkwell::platform {

inline constexpr const char* kArchivedAttributeName = "user.arkwellbackup.archived";

bool isReadOnly(const std::string& path);
// Setting removes every write bit; clearing gives the owner write permission.
bool setReadOnly(const std::string& path, bool readOnly);

bool isHidden(const std::string& path);
// Hidden-ness is part of the name on Linux: nothing to change.
inline bool setHidden(const std::string&, bool) {
  return true;
}

bool isArchiveFlagSet(const std::string& path);
// Clears the flag for the file as it was when `asStored` was taken (size and
// modification time), so a change made while the file was being read keeps
// the flag set. Returns false when the flag could not be cleared.
bool clearArchiveFlag(const std::string& path, const struct stat& asStored);
bool clearArchiveFlag(const std::string& path);
// Marks the file as changed (removes the stored state).
bool setArchiveFlag(const std::string& path);

}  // namespace arkwell::platform
