#include "core/TableFile.h"

#include "core/CsvCodec.h"
#include "core/TextFile.h"

namespace arkwell::core {

std::optional<Table> loadTableFile(const QString& path) {
  const std::optional<QString> text = readWholeText(path);
  if (!text) return std::nullopt;
  return Table(decodeCsv(*text));
}

void saveTableFile(const QString& path, const Table& table) {
  QStringList lines;
  for (const QStringList& row : table.rows()) lines << encodeCsvRow(row);
  writeTextLines(path, lines, "\r\n");
}

}  // namespace arkwell::core
