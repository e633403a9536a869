#include "core/SystemInfo.h"

#include <unistd.h>

#include <climits>

namespace arkwell::core {

QString FileVersionString() {
  return QStringLiteral(ARKWELL_VERSION);
}

QString ComputerNameString() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return QString::fromLocal8Bit(name);
}

}  // namespace arkwell::core
