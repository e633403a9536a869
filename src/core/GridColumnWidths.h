#pragma once
// Column widths of the job grids, kept per user (QSettings: organisation
// "ArkwellBackup", application "Settings", one group per grid, keys Col0,
// Col1, ...), not in the data folder that all users share.
#include <QList>
#include <QString>

namespace arkwell::core {

// One entry per column: the stored width, or -1 where none is stored (the
// grid keeps its design width).
QList<int> loadColumnWidths(const QString& gridName, int columnCount);
void saveColumnWidths(const QString& gridName, const QList<int>& widths);

}  // namespace arkwell::core
