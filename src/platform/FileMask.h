#pragma once
// File masks with the Windows wildcard rules: "*" any run of characters, "?"
// exactly one, ASCII letter case ignored, "*.*" and "*" match every name,
// several masks separated by ";".
#include <string>
#include <string_view>

namespace arkwell::platform {

bool matchesMask(std::string_view name, std::string_view masks);

// Upper-cases ASCII letters a to z only; other bytes (UTF-8 included) stay.
std::string asciiUpper(std::string_view text);

}  // namespace arkwell::platform
