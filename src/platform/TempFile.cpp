#include "platform/TempFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace arkwell::platform {

std::string tempFolder() {
  const char* dir = std::getenv("TMPDIR");
  return (dir != nullptr && *dir != '\0') ? std::string(dir) : std::string("/tmp");
}

std::string createTempFile(const std::string& prefix) {
  const std::string folder = tempFolder();
  std::string pattern = folder + "/" + prefix + "XXXXXX.tmp";
  const int fd = ::mkstemps(pattern.data(), 4);
  if (fd < 0) {
    throw std::system_error(errno, std::generic_category(), "cannot create a temporary file in " + folder);
  }
  ::close(fd);
  return pattern;
}

}  // namespace arkwell::platform
