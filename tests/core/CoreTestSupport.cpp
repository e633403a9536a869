#include "core/CoreTestSupport.h"

namespace arkwell::test {

void writeText(const QString& path, const QString& text) {
  writeFile(path.toStdString(), text.toStdString());
}

QString readText(const QString& path) {
  return QString::fromStdString(readFile(path.toStdString()));
}

}  // namespace arkwell::test
