#pragma once
// A job grid: a table view over a job table, named after its grid, under
// which name the window keeps its column widths.
#include <QTableView>

#include "gui/TableModel.h"

namespace arkwell::gui {

class JobGrid : public QTableView {
  Q_OBJECT
 public:
  JobGrid(QString gridName, QWidget* parent = nullptr);

  const QString& gridName() const { return gridName_; }

 private:
  QString gridName_;
};

}  // namespace arkwell::gui
