#include "core/TableFile.h"

#include <QFile>

#include "core/AtomicWrite.h"
#include "core/CoreError.h"
#include "core/CsvCodec.h"

namespace arkwell::core {

std::optional<Table> loadTableFile(const QString& path) {
  QFile file(path);
  if (!file.exists()) return std::nullopt;
  if (!file.open(QIODevice::ReadOnly)) {
    throw CoreError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
  }
  return Table(decodeCsv(QString::fromUtf8(file.readAll())));
}

void saveTableFile(const QString& path, const Table& table) {
  QByteArray bytes;
  for (const QStringList& row : table.rows()) {
    bytes += encodeCsvRow(row).toUtf8();
    bytes += "\r\n";
  }
  QString error;
  if (!replaceFileContents(path, bytes, &error)) throw cannotCreateFile(path, error);
}

}  // namespace arkwell::core
