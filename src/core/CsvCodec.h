#pragma once
// The table-file form of a row: cells separated by commas; a cell holding a
// comma, a double quote or a line break is enclosed in double quotes, its
// quotes doubled; an empty cell is two double quotes; a line break inside a
// cell is stored as the single character 0x0B and read back as CR LF.
#include <QList>
#include <QString>
#include <QStringList>

namespace arkwell::core {

QString encodeCsvRow(const QStringList& cells);
// One row per line (CR LF or LF). A quote left open ends at its line's end,
// so a damaged line never swallows the lines after it.
QList<QStringList> decodeCsv(const QString& text);

}  // namespace arkwell::core
