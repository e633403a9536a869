#pragma once
// Folder routines shared by the workflows. None of them throws.
#include <QString>

namespace arkwell::core {

// Deletes every entry of `folder` that is not a folder (symbolic links as
// links). Read-only files are kept and make the result false; so does any
// failed deletion. True for an empty folder.
bool EmptyDirectory(const QString& folder);
// Waits up to 2.5 s (five pauses of 500 ms) for `folder` to exist, e.g. a
// network mount coming up. Reports nothing: the caller tests the folder.
void WaitForDirectory(const QString& folder);
// True when a file (not a folder) matches: the last part of `pattern` may
// hold Windows wildcards ("/data/*.rep").
bool FileExistsAny(const QString& pattern);

}  // namespace arkwell::core
