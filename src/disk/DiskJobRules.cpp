#include "disk/DiskJobRules.h"

#include <QLocale>

#include "core/JobTableLayouts.h"

namespace arkwell::disk {

namespace col = core::disk_column;

namespace {

bool isJobRow(const core::Table& table, int row) {
  return row >= 1 && row < table.rowCount();
}

bool isActive(const core::Table& table, int row) {
  return isJobRow(table, row) && table.cell(row, col::Active) == QLatin1String("Y");
}

bool nameTaken(const core::Table& table, const QString& candidate) {
  for (int row = 1; row < table.rowCount(); ++row) {
    if (table.cell(row, col::Name).contains(candidate, Qt::CaseInsensitive)) return true;
  }
  return false;
}

}  // namespace

bool rowEnablesButtons(const core::Table& table, int row) {
  return isActive(table, row) && !table.cell(row, col::Name).isEmpty() && !table.cell(row, col::Source).isEmpty() &&
         !table.cell(row, col::Destination).isEmpty();
}

bool rowRuns(const core::Table& table, int row) {
  return isActive(table, row) && !table.cell(row, col::Source).isEmpty() &&
         !table.cell(row, col::Destination).isEmpty();
}

int activeRowCount(const core::Table& table) {
  int count = 0;
  for (int row = 1; row < table.rowCount(); ++row) {
    if (isActive(table, row)) ++count;
  }
  return count;
}

ButtonStates SetButtons(const core::Table& table, int currentRow) {
  ButtonStates states;
  states.remove = isJobRow(table, currentRow);
  for (int row = 1; row < table.rowCount() && !states.backup; ++row) states.backup = rowEnablesButtons(table, row);
  return states;
}

QString nextJobName(const core::Table& table, const QString& prefix) {
  const QString first = prefix + QLatin1Char('1');
  if (table.dataRowCount() == 0) return first;
  for (char16_t code = u'1'; code < 0xFFFF; ++code) {
    const QChar c(code);
    // A lone surrogate is no character a name could hold.
    if (c.isSurrogate()) continue;
    const QString candidate = prefix + c;
    if (!nameTaken(table, candidate)) return candidate;
  }
  return first;
}

int addJobRow(core::Table& table, const QString& prefix, const QString& sourcePlaceholder,
              const QString& defaultDestination) {
  const QString name = nextJobName(table, prefix);
  if (table.rowCount() == 0) table.appendRow(QStringList(col::Count, QString()));
  table.appendRow({QStringLiteral("N"), name, sourcePlaceholder, QStringLiteral("*.*"), QStringLiteral("Y"),
                   defaultDestination, QStringLiteral("-")});
  return table.rowCount() - 1;
}

void setAllActive(core::Table& table, bool active) {
  const QString value = active ? QStringLiteral("Y") : QStringLiteral("N");
  for (int row = 1; row < table.rowCount(); ++row) table.setCell(row, col::Active, value);
}

QList<QPair<int, int>> duplicateDestinations(const core::Table& table) {
  QList<QPair<int, int>> pairs;
  for (int d = 1; d < table.rowCount(); ++d) {
    if (!isActive(table, d)) continue;
    const QString first = table.cell(d, col::Destination).trimmed();
    for (int f = d + 1; f < table.rowCount(); ++f) {
      if (!isActive(table, f)) continue;
      if (first.compare(table.cell(f, col::Destination).trimmed(), Qt::CaseInsensitive) == 0) pairs.append({d, f});
    }
  }
  return pairs;
}

bool isFloppyDestination(const QString& destination) {
  if (destination.size() < 2 || destination[1] != QLatin1Char(':')) return false;
  const QChar drive = destination[0].toUpper();
  if (drive != QLatin1Char('A') && drive != QLatin1Char('B')) return false;
  return destination.size() == 2 || destination[2] == QLatin1Char('\\') || destination[2] == QLatin1Char('/');
}

QString archiveFileName(const QDateTime& start, bool incremental) {
  return QLocale::c().toString(start, QStringLiteral("yyyyMMdd-HHmm")) +
         (incremental ? QStringLiteral(".KBI") : QStringLiteral(".KBU"));
}

}  // namespace arkwell::disk
