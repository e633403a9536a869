#include "core/TableFile.h"

#include "core/AtomicWrite.h"
#include "core/CoreError.h"
#include "core/CsvCodec.h"
#include "core/TextFile.h"

namespace arkwell::core {

std::optional<Table> loadTableFile(const QString& path) {
  const std::optional<QString> text = readWholeText(path);
  if (!text) return std::nullopt;
  return Table(decodeCsv(*text));
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
