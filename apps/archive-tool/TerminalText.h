#pragma once
// Names read from an archive are shown as '?' where they hold control
// characters: a stored name must not be able to move the cursor, clear the
// screen or start a new output line.
#include <string>
#include <string_view>

namespace arkwell::tool {

std::string terminalSafe(std::string_view text);

}  // namespace arkwell::tool
