#pragma once
// A job grid: a table view over a job table, named after its grid, under
// which name the window keeps its column widths.
#include <QTableView>

#include "gui/TableModel.h"

namespace arkwell::gui {

class JobGrid : public QTableView {
  Q_OBJECT
 public:
  JobGrid(const QString& gridName, QWidget* parent = nullptr);
};

// A grid's stored column widths (under its object name) onto the view, and
// back into the store.
void restoreColumnWidths(QTableView& view);
void storeColumnWidths(const QTableView& view);

}  // namespace arkwell::gui
