#include "core/AtomicWrite.h"

#include <QFileInfo>
#include <QSaveFile>

namespace arkwell::core {

bool replaceFileContents(const QString& path, const QByteArray& bytes, QString* error, bool ownerOnlyWhenNew) {
  const bool isNew = !QFileInfo::exists(path);
  QSaveFile file(path);
  bool ok = file.open(QIODevice::WriteOnly);
  if (ok && isNew && ownerOnlyWhenNew) ok = file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  ok = ok && file.write(bytes) == bytes.size() && file.commit();
  if (!ok && error) *error = file.errorString();
  return ok;
}

}  // namespace arkwell::core
