#include "core/CsvCodec.h"

#include "core/TextFile.h"

namespace arkwell::core {

namespace {

constexpr QChar kLineBreakCode(0x0B);
const QString kLineBreak = QStringLiteral("\r\n");

QString encodeCell(QString cell) {
  if (cell.isEmpty()) return QStringLiteral("\"\"");
  const bool hasBreak = cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n'));
  if (hasBreak) {
    cell.replace(kLineBreak, QString(kLineBreakCode));
    cell.replace(QLatin1Char('\r'), kLineBreakCode);
    cell.replace(QLatin1Char('\n'), kLineBreakCode);
  }
  if (!hasBreak && !cell.contains(QLatin1Char(',')) && !cell.contains(QLatin1Char('"'))) return cell;
  cell.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + cell + QLatin1Char('"');
}

QStringList decodeLine(QStringView line) {
  QStringList cells;
  QString cell;
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted) {
      if (c == QLatin1Char('"')) {
        if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
          cell += c;
          ++i;
        } else {
          quoted = false;
        }
      } else {
        cell += c;
      }
    } else if (c == QLatin1Char('"')) {
      quoted = true;
    } else if (c == QLatin1Char(',')) {
      cells << cell;
      cell.clear();
    } else {
      cell += c;
    }
  }
  cells << cell;
  for (QString& text : cells) text.replace(kLineBreakCode, kLineBreak);
  return cells;
}

}  // namespace

QString encodeCsvRow(const QStringList& cells) {
  QStringList encoded;
  encoded.reserve(cells.size());
  for (const QString& cell : cells) encoded << encodeCell(cell);
  return encoded.join(QLatin1Char(','));
}

QList<QStringList> decodeCsv(const QString& text) {
  QList<QStringList> rows;
  for (const QString& line : splitLines(text)) rows << decodeLine(line);
  return rows;
}

}  // namespace arkwell::core
