#include "gui/JobGrid.h"

#include <QHeaderView>

namespace arkwell::gui {

JobGrid::JobGrid(QString gridName, QWidget* parent) : QTableView(parent), gridName_(std::move(gridName)) {
  setObjectName(gridName_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAlternatingRowColors(true);
  verticalHeader()->setVisible(false);
  horizontalHeader()->setStretchLastSection(true);
}

}  // namespace arkwell::gui
