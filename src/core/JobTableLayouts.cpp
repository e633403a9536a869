#include "core/JobTableLayouts.h"

namespace arkwell::core {

Table TableLayout::designTable() const {
  Table table;
  table.appendRow(designTitles);
  for (int i = 0; i < emptyRows; ++i) table.appendRow(QStringList(designTitles.size(), QString()));
  return table;
}

const TableLayout& diskTableLayout() {
  static const TableLayout layout{
      QStringLiteral("BDGrid"),
      {QStringLiteral("Actief"), QStringLiteral("Naam"), QStringLiteral("Bron"), QStringLiteral("Masker"),
       QStringLiteral("Submappen"), QStringLiteral("Doel"), QStringLiteral("Laatst")}};
  return layout;
}

const TableLayout& ftpTableLayout() {
  static const TableLayout layout{QStringLiteral("FTPGrid"),
                                  {QStringLiteral("Actief"), QStringLiteral("Naam"), QStringLiteral("Bron"),
                                   QStringLiteral("Masker"), QStringLiteral("Submappen"), QStringLiteral("Laatst")}};
  return layout;
}

const TableLayout& immediateTableLayout() {
  static const TableLayout layout{
      QStringLiteral("IBGrid"),
      {QStringLiteral("Actief"), QStringLiteral("Naam"), QStringLiteral("Bron"), QStringLiteral("Submappen")}};
  return layout;
}

const TableLayout& waitingFilesTableLayout() {
  static const TableLayout layout{QStringLiteral("IBFilesGrid"),
                                  {QStringLiteral("Actief"), QStringLiteral("Naam"), QStringLiteral("Bron")}};
  return layout;
}

const TableLayout& scheduleTableLayout() {
  static const TableLayout layout{
      QStringLiteral("SCHGrid"),
      {QStringLiteral("Actief"), QStringLiteral("Day"), QStringLiteral("Time"), QStringLiteral("Full Disk"),
       QStringLiteral("Incr Disk"), QStringLiteral("Full FTP"), QStringLiteral("Incr FTP"), QStringLiteral("Busy"),
       QStringLiteral("Code"), QStringLiteral("Shut down")},
      3};
  return layout;
}

}  // namespace arkwell::core
