#include "TerminalText.h"

namespace arkwell::tool {

std::string terminalSafe(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '?';
  }
  return shown;
}

}  // namespace arkwell::tool
