#pragma once
// Replaces a file's contents through a new file and a rename, so a crash or a
// full disk leaves either the old or the new contents, never half of them.
#include <QByteArray>
#include <QString>

namespace arkwell::core {

// Returns false and the system's reason in `error` on failure. A file that
// did not exist is created readable by its owner only when asked.
bool replaceFileContents(const QString& path, const QByteArray& bytes, QString* error, bool ownerOnlyWhenNew = false);

}  // namespace arkwell::core
