#include "core/GridColumnWidths.h"

#include <QSettings>

namespace arkwell::core {

namespace {

QString columnKey(int column) {
  return QStringLiteral("Col%1").arg(column);
}

}  // namespace

QList<int> loadColumnWidths(const QString& gridName, int columnCount) {
  QSettings store(QStringLiteral("ArkwellBackup"), QStringLiteral("Settings"));
  store.beginGroup(gridName);
  QList<int> widths;
  for (int column = 0; column < columnCount; ++column) {
    bool ok = false;
    const int width = store.value(columnKey(column)).toInt(&ok);
    widths << (ok && width >= 0 ? width : -1);
  }
  return widths;
}

void saveColumnWidths(const QString& gridName, const QList<int>& widths) {
  QSettings store(QStringLiteral("ArkwellBackup"), QStringLiteral("Settings"));
  store.beginGroup(gridName);
  for (int column = 0; column < widths.size(); ++column) store.setValue(columnKey(column), widths[column]);
}

}  // namespace arkwell::core
