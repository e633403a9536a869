#pragma once
// Folder fields store network folders in UNC form ("\\server\share\dir") so
// the agent can reach them; folder dialogs need a local path to start in.
#include <QString>

namespace arkwell::core {

// A UNC path becomes the same place below the mount point of a CIFS mount of
// that share, empty when the share is not mounted; every other path comes
// back unchanged. Reads /proc/self/mountinfo.
QString UncToDrivePath(const QString& path);
// The same against the given mount table (the text of a mountinfo file).
QString UncToDrivePath(const QString& path, const QString& mountInfo);

}  // namespace arkwell::core
