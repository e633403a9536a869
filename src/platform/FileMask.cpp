#include "platform/FileMask.h"

namespace arkwell::platform {

namespace {

char upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Iterative wildcard match with one backtrack point: linear in practice and
// never recursive, whatever the mask.
bool matchOne(std::string_view name, std::string_view mask) {
  if (mask == "*" || mask == "*.*") {
    return true;
  }
  size_t n = 0;
  size_t m = 0;
  size_t starMask = std::string_view::npos;
  size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || upper(mask[m]) == upper(name[n]))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') {
    ++m;
  }
  return m == mask.size();
}

}  // namespace

bool matchesMask(std::string_view name, std::string_view masks) {
  size_t start = 0;
  while (start <= masks.size()) {
    size_t end = masks.find(';', start);
    if (end == std::string_view::npos) {
      end = masks.size();
    }
    std::string_view mask = masks.substr(start, end - start);
    while (!mask.empty() && mask.front() == ' ') mask.remove_prefix(1);
    while (!mask.empty() && mask.back() == ' ') mask.remove_suffix(1);
    if (!mask.empty() && matchOne(name, mask)) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

std::string asciiUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    c = upper(c);
  }
  return result;
}

}  // namespace arkwell::platform
