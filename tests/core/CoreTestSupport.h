#pragma once
// Qt-flavoured helpers over the shared test folders.
#include <QString>

#include "support/TempDir.h"

namespace arkwell::test {

inline QString qpath(const TempDir& dir, const char* relative) {
  return QString::fromStdString(dir / relative);
}
void writeText(const QString& path, const QString& text);
QString readText(const QString& path);

}  // namespace arkwell::test
