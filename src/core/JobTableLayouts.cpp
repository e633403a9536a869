#include "core/JobTableLayouts.h"

namespace arkwell::core {

Table TableLayout::designTable() const {
  Table table;
  table.appendRow(designTitles);
  for (int i = 0; i < emptyRows; ++i) table.appendRow(QStringList(designTitles.size(), QString()));
  return table;
}

namespace {

constexpr CellKind T = CellKind::Text;
constexpr CellKind C = CellKind::Check;
constexpr CellKind R = CellKind::ReadOnly;

}  // namespace

const TableLayout& diskTableLayout() {
  static const TableLayout layout{
      QStringLiteral("BDGrid"),
      {QStringLiteral("Actief"), QStringLiteral("Naam"), QStringLiteral("Bron"), QStringLiteral("Masker"),
       QStringLiteral("Submappen"), QStringLiteral("Doel"), QStringLiteral("Laatst")},
      {C, T, T, T, C, T, R},
      {211, 17, 18, 284, 285, 19, 20}};
  return layout;
}

const TableLayout& ftpTableLayout() {
  static const TableLayout layout{QStringLiteral("FTPGrid"),
                                  {QStringLiteral("Actief"), QStringLiteral("Naam"), QStringLiteral("Bron"),
                                   QStringLiteral("Masker"), QStringLiteral("Submappen"), QStringLiteral("Laatst")},
                                  {C, T, T, T, C, R},
                                  {211, 215, 216, 284, 285, 217}};
  return layout;
}

const TableLayout& immediateTableLayout() {
  static const TableLayout layout{
      QStringLiteral("IBGrid"),
      {QStringLiteral("Actief"), QStringLiteral("Naam"), QStringLiteral("Bron"), QStringLiteral("Submappen")},
      {C, T, T, C},
      {211, 17, 18, 285}};
  return layout;
}

const TableLayout& waitingFilesTableLayout() {
  static const TableLayout layout{QStringLiteral("IBFilesGrid"),
                                  {QStringLiteral("Actief"), QStringLiteral("Naam"), QStringLiteral("Bron")},
                                  {R, R, R},
                                  {290, 292, 291}};
  return layout;
}

const TableLayout& scheduleTableLayout() {
  static const TableLayout layout{
      QStringLiteral("SCHGrid"),
      {QStringLiteral("Actief"), QStringLiteral("Day"), QStringLiteral("Time"), QStringLiteral("Full Disk"),
       QStringLiteral("Incr Disk"), QStringLiteral("Full FTP"), QStringLiteral("Incr FTP"), QStringLiteral("Busy"),
       QStringLiteral("Code"), QStringLiteral("Shut down")},
      {C, T, T, C, C, C, C, R, R, C},
      {307, 308, 309, 310, 311, 312, 313, 314, 333, 334},
      3};
  return layout;
}

}  // namespace arkwell::core
