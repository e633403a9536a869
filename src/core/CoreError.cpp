#include "core/CoreError.h"

namespace arkwell::core {

CoreError unableToWrite(const QString& file) {
  return CoreError(QStringLiteral("Unable to write to %1").arg(file));
}

CoreError cannotCreateFile(const QString& file, const QString& reason) {
  return CoreError(QStringLiteral("Cannot create file \"%1\". %2").arg(file, reason));
}

}  // namespace arkwell::core
