#pragma once
// A grid's view of a job table: row 0 of the table gives the column titles,
// rows 1 and up are the grid's rows. Yes/no columns show as check boxes
// holding "Y"/"N". Edits go straight into the table and raise edited().
// Call reload() after the table was replaced or changed behind the model.
#include <QAbstractTableModel>
#include <QList>

#include "core/JobTableLayouts.h"
#include "core/Table.h"
#include "text/TextTable.h"

namespace arkwell::gui {

class TableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using ColumnKind = core::CellKind;

  TableModel(core::Table& table, QList<ColumnKind> columns, QObject* parent = nullptr);
  // A job table as its layout describes it.
  TableModel(core::Table& table, const core::TableLayout& layout, QObject* parent = nullptr);

  void reload();
  // Rows whose column 0 is "N" in grey italics, the others in blue.
  void setActiveRowStyle(bool on) { activeRowStyle_ = on; }
  // Text columns shown centred (check columns always are).
  void setCenteredColumns(QList<int> columns) { centered_ = std::move(columns); }
  // Column titles in the current language (row 0 of the table).
  void setTitles(const QStringList& titles);
  // The titles of the given text numbers.
  void setTitles(const QList<int>& titleTexts, const text::TextTable& texts);
  core::Table& table() { return table_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  void edited();

 private:
  core::Table& table_;
  QList<ColumnKind> columns_;
  bool activeRowStyle_ = false;
  QList<int> centered_;
};

}  // namespace arkwell::gui
