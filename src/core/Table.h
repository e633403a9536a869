#pragma once
// A job table: rows of text cells, row 0 holding the column titles; yes/no
// cells hold "Y" or "N". The window's grids are views over tables, and the
// agent builds the same tables from its configuration file.
#include <QList>
#include <QString>
#include <QStringList>

namespace arkwell::core {

class Table {
 public:
  Table() = default;
  explicit Table(QList<QStringList> rows) : rows_(std::move(rows)) {}

  int rowCount() const { return static_cast<int>(rows_.size()); }
  // Rows below the title row.
  int dataRowCount() const { return rowCount() > 0 ? rowCount() - 1 : 0; }
  // The widest row.
  int columnCount() const;

  // Empty text outside the table.
  QString cell(int row, int column) const;
  // Grows the table as needed.
  void setCell(int row, int column, const QString& text);
  const QStringList& row(int index) const { return rows_[index]; }
  const QList<QStringList>& rows() const { return rows_; }

  void appendRow(const QStringList& cells);
  void removeRow(int index);
  // Every row gets exactly `count` cells: missing cells empty, surplus dropped.
  void setColumnCount(int count);
  // Inserts `count` empty cells at `position` in every row.
  void insertColumns(int position, int count);

  bool operator==(const Table& other) const = default;

 private:
  QList<QStringList> rows_;
};

}  // namespace arkwell::core
