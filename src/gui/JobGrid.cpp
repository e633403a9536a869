#include "gui/JobGrid.h"

#include <QHeaderView>

#include "core/GridColumnWidths.h"

namespace arkwell::gui {

JobGrid::JobGrid(const QString& gridName, QWidget* parent) : QTableView(parent) {
  setObjectName(gridName);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAlternatingRowColors(true);
  verticalHeader()->setVisible(false);
  horizontalHeader()->setStretchLastSection(true);
}

void restoreColumnWidths(QTableView& view) {
  if (!view.model()) return;
  const QList<int> widths = core::loadColumnWidths(view.objectName(), view.model()->columnCount());
  for (int column = 0; column < widths.size(); ++column) {
    if (widths[column] >= 0) view.setColumnWidth(column, widths[column]);
  }
}

void storeColumnWidths(const QTableView& view) {
  if (!view.model()) return;
  QList<int> widths;
  for (int column = 0; column < view.model()->columnCount(); ++column) widths << view.columnWidth(column);
  core::saveColumnWidths(view.objectName(), widths);
}

}  // namespace arkwell::gui
