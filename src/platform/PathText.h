#pragma once
// The path rules every part shares: splitting, trailing slashes and the
// absolute form of a path the user gave.
#include <string>
#include <string_view>
#include <vector>

namespace arkwell::platform {

// The components between "/", empty ones and "." left out; ".." kept.
std::vector<std::string> pathComponents(std::string_view path);

// The folder without trailing "/" ("/" stays "/").
std::string withoutTrailingSlash(std::string folder);

// folder + "/" + name, without doubling a "/" the folder ends with; an
// empty folder gives the name alone.
std::string joinPath(std::string_view folder, std::string_view name);

// The absolute form of a path (against the current folder) with "." and
// empty components removed. ".." is removed with the component before it
// when that names the same file; after a symbolic link it does not, and the
// link-free path is taken instead.
std::string absolutePath(const std::string& path);

}  // namespace arkwell::platform
