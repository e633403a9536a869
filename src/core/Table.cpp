#include "core/Table.h"

#include <algorithm>

namespace arkwell::core {

int Table::columnCount() const {
  qsizetype widest = 0;
  for (const QStringList& r : rows_) widest = std::max(widest, r.size());
  return static_cast<int>(widest);
}

QString Table::cell(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= rows_[row].size()) return {};
  return rows_[row][column];
}

void Table::setCell(int row, int column, const QString& text) {
  if (row < 0 || column < 0) return;
  while (rowCount() <= row) rows_.append(QStringList());
  QStringList& cells = rows_[row];
  while (cells.size() <= column) cells.append(QString());
  cells[column] = text;
}

void Table::appendRow(const QStringList& cells) {
  rows_.append(cells);
}

void Table::removeRow(int index) {
  if (index >= 0 && index < rowCount()) rows_.removeAt(index);
}

void Table::setColumnCount(int count) {
  for (QStringList& cells : rows_) cells.resize(count);
}

void Table::insertColumns(int position, int count) {
  for (QStringList& cells : rows_) {
    while (cells.size() < position) cells.append(QString());
    for (int i = 0; i < count; ++i) cells.insert(position, QString());
  }
}

}  // namespace arkwell::core
