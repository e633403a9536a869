#pragma once
// Uniquely named temporary files "PREFIX??????.tmp" in $TMPDIR (else /tmp).
#include <string>

namespace arkwell::platform {

// The folder temporary files go to.
std::string tempFolder();

// Creates and closes a new empty file named prefix + six random characters +
// ".tmp"; returns its path. Throws std::system_error naming the folder when
// the file cannot be created.
std::string createTempFile(const std::string& prefix);

}  // namespace arkwell::platform
