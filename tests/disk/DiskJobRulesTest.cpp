#include <gtest/gtest.h>

#include <QLocale>

#include "core/JobTableLayouts.h"
#include "disk/DiskJobRules.h"

namespace arkwell::disk {
namespace {

namespace col = core::disk_column;

const QStringList kTitles = {"Active", "Name", "Source", "Mask", "SubDirs", "Destination", "Last"};

// A title row plus one row per job, each given as its first six cells.
core::Table tableOf(const QList<QStringList>& jobs) {
  QList<QStringList> rows = {kTitles};
  for (QStringList cells : jobs) {
    cells.resize(col::Count);
    rows.append(cells);
  }
  return core::Table(rows);
}

QStringList job(const QString& active, const QString& name, const QString& source, const QString& destination) {
  return {active, name, source, "*.*", "Y", destination, "-"};
}

core::Table namedJobs(const QStringList& names) {
  QList<QStringList> jobs;
  for (const QString& name : names) jobs.append(job("N", name, "/src", "/dst"));
  return tableOf(jobs);
}

TEST(DiskJobRules, RowRulesNeedAnExactCapitalYAndTheirCells) {
  struct Case {
    const char* what;
    QStringList row;
    bool enablesButtons;
    bool runs;
  };
  const Case cases[] = {
      {"complete active row", job("Y", "Docs", "/home/ann", "/backup"), true, true},
      {"placeholder source", job("Y", "Docs", "<choose a folder>", "/backup"), true, true},
      {"lower-case y", job("y", "Docs", "/home/ann", "/backup"), false, false},
      {"inactive", job("N", "Docs", "/home/ann", "/backup"), false, false},
      {"Y with a blank", job(" Y", "Docs", "/home/ann", "/backup"), false, false},
      {"no name", job("Y", "", "/home/ann", "/backup"), false, true},
      {"no source", job("Y", "Docs", "", "/backup"), false, false},
      {"no destination", job("Y", "Docs", "/home/ann", ""), false, false},
      {"only the first cell", {"Y"}, false, false},
  };
  for (const Case& c : cases) {
    const core::Table table = tableOf({c.row});
    EXPECT_EQ(rowEnablesButtons(table, 1), c.enablesButtons) << c.what;
    EXPECT_EQ(rowRuns(table, 1), c.runs) << c.what;
  }

  core::Table titlesLookActive({job("Y", "Name", "Source", "Dest")});
  EXPECT_FALSE(rowEnablesButtons(titlesLookActive, 0)) << "the title row is no job";
  EXPECT_FALSE(rowRuns(titlesLookActive, 0)) << "the title row is no job";
  EXPECT_FALSE(rowRuns(titlesLookActive, 1)) << "a row beyond the table";
}

TEST(DiskJobRules, ActiveRowCountCountsEveryCapitalYRunnableOrNot) {
  const core::Table table = tableOf({
      job("Y", "a", "/a", "/d1"),
      job("Y", "", "", ""),
      job("y", "c", "/c", "/d3"),
      job("N", "d", "/d", "/d4"),
  });
  EXPECT_EQ(activeRowCount(table), 2);
  EXPECT_EQ(activeRowCount(tableOf({})), 0);
  EXPECT_EQ(activeRowCount(core::Table({job("Y", "t", "t", "t")})), 0) << "the title row is not counted";
}

TEST(DiskJobRules, SetButtons) {
  struct Case {
    const char* what;
    core::Table table;
    int currentRow;
    bool remove;
    bool backup;
  };
  const Case cases[] = {
      {"only titles, title row current", tableOf({}), 0, false, false},
      {"only titles, row 1 current", tableOf({}), 1, false, false},
      {"inactive job selected", tableOf({job("N", "a", "/a", "/d")}), 1, true, false},
      {"lower-case y", tableOf({job("y", "a", "/a", "/d")}), 1, true, false},
      {"placeholder source, title row current", tableOf({job("Y", "a", "<source>", "/d")}), 0, false, true},
      {"second of two jobs", tableOf({job("N", "a", "/a", "/d"), job("Y", "b", "/b", "/e")}), 2, true, true},
      {"current row past the last job", tableOf({job("Y", "a", "/a", "/d")}), 2, false, true},
      {"no current row", tableOf({job("Y", "a", "/a", "/d")}), -1, false, true},
      {"active job without a name", tableOf({job("Y", "", "/a", "/d")}), 1, true, false},
  };
  for (const Case& c : cases) {
    const ButtonStates states = SetButtons(c.table, c.currentRow);
    EXPECT_EQ(states.remove, c.remove) << c.what;
    EXPECT_EQ(states.backup, c.backup) << c.what;
  }
}

TEST(DiskJobRules, NextJobNameTakesTheFirstCharacterCodeNoNameContains) {
  struct Case {
    const char* what;
    QStringList names;
    QString expected;
  };
  const QStringList oneToNine = {"Job1", "Job2", "Job3", "Job4", "Job5", "Job6", "Job7", "Job8", "Job9"};
  const Case cases[] = {
      {"no job rows", {}, "Job1"},
      {"a gap", {"Job1", "Job3"}, "Job2"},
      {"1 is free", {"Job2"}, "Job1"},
      {"after 9 comes ':'", oneToNine, "Job:"},
      {"then ';'", oneToNine + QStringList{"JOB:"}, "Job;"},
      {"letter case ignored", {"jOB1"}, "Job2"},
      {"part of a longer name", {"Old Job1 copy"}, "Job2"},
      {"Job10 holds Job1", {"Job10"}, "Job2"},
      {"empty names", {"", ""}, "Job1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nextJobName(namedJobs(c.names), "Job"), c.expected) << c.what;
  }
  EXPECT_EQ(nextJobName(core::Table(), "Job"), "Job1") << "a table without even titles";
}

TEST(DiskJobRules, AddJobRowAppendsAnInactivePlaceholderJob) {
  core::Table table = tableOf({});
  EXPECT_EQ(addJobRow(table, "Job", "<source>", "/media/backup"), 1);
  EXPECT_EQ(addJobRow(table, "Job", "<source>", "/media/backup"), 2);
  ASSERT_EQ(table.rowCount(), 3);
  EXPECT_EQ(table.row(0), kTitles);
  EXPECT_EQ(table.row(1), QStringList({"N", "Job1", "<source>", "*.*", "Y", "/media/backup", "-"}));
  EXPECT_EQ(table.row(2), QStringList({"N", "Job2", "<source>", "*.*", "Y", "/media/backup", "-"}));
  EXPECT_FALSE(rowRuns(table, 2));
  EXPECT_FALSE(SetButtons(table, 2).backup) << "a new job waits until it is ticked";

  core::Table bare;
  EXPECT_EQ(addJobRow(bare, "Job", "<source>", ""), 1) << "a job never lands in the title row";
  EXPECT_EQ(bare.cell(1, col::Name), "Job1");
  EXPECT_EQ(bare.cell(1, col::Destination), "");
}

TEST(DiskJobRules, SetAllActiveChangesOnlyJobRows) {
  core::Table table = tableOf({job("N", "a", "/a", "/d"), job("y", "b", "/b", "/e"), {}});
  setAllActive(table, true);
  EXPECT_EQ(table.row(0), kTitles);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(table.cell(row, col::Active), "Y") << "row " << row;
  EXPECT_EQ(table.cell(2, col::Name), "b");

  setAllActive(table, false);
  EXPECT_EQ(table.row(0), kTitles);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(table.cell(row, col::Active), "N") << "row " << row;
}

TEST(DiskJobRules, DuplicateDestinationsPairActiveRowsIgnoringBlanksAndCase) {
  const core::Table table = tableOf({
      job("Y", "1", "/s", "D:\\Backup"),
      job("Y", "2", "/s", "d:\\backup "),
      job("N", "3", "/s", "D:\\Backup"),
      job("y", "4", "/s", "D:\\BACKUP"),
      job("Y", "5", "/s", "/mnt/usb"),
      job("Y", "6", "/s", "/mnt/usb2"),
      job("Y", "7", "/s", "\t/MNT/USB"),
      job("Y", "8", "/s", "D:\\Backup\\"),
  });
  EXPECT_EQ(duplicateDestinations(table), (QList<QPair<int, int>>{{1, 2}, {5, 7}}));

  const core::Table three = tableOf({job("Y", "a", "/s", "/d"), job("Y", "b", "/s", "/d"), job("Y", "c", "/s", "/d")});
  EXPECT_EQ(duplicateDestinations(three), (QList<QPair<int, int>>{{1, 2}, {1, 3}, {2, 3}}));

  core::Table shared = tableOf({job("Y", "a", "/s", "/d"), job("N", "b", "/s", "/d"), job("N", "c", "/s", "/d")});
  EXPECT_TRUE(duplicateDestinations(shared).isEmpty()) << "inactive rows may share a destination";
}

TEST(DiskJobRules, FloppyDestinationsAreDriveAOrBOnly) {
  struct Case {
    const char* destination;
    bool floppy;
  };
  const Case cases[] = {
      {"A:", true},       {"a:\\backup", true}, {"B:/floppy", true}, {"b:\\", true}, {"A:backup", false},
      {"Archive", false}, {"Backups", false},   {"/backup", false},  {"/a:", false}, {"a", false},
      {"", false},        {"C:\\", false},      {" A:\\", false},    {"AB:", false}, {"bb", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isFloppyDestination(QString::fromUtf8(c.destination)), c.floppy) << c.destination;
  }
}

TEST(DiskJobRules, ArchiveFileNameIsTheStartMinuteInAsciiDigits) {
  struct Case {
    QDateTime start;
    bool incremental;
    const char* expected;
  };
  const Case cases[] = {
      {QDateTime(QDate(2024, 1, 15), QTime(10, 30)), false, "20240115-1030.KBU"},
      {QDateTime(QDate(2024, 1, 15), QTime(10, 30)), true, "20240115-1030.KBI"},
      {QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59, 999)), false, "20251231-2359.KBU"},
      {QDateTime(QDate(2026, 3, 4), QTime(0, 5)), true, "20260304-0005.KBI"},
      {QDateTime(QDate(2026, 3, 4), QTime(21, 7)), false, "20260304-2107.KBU"},
  };
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));  // a locale with its own digits
  for (const Case& c : cases) {
    EXPECT_EQ(archiveFileName(c.start, c.incremental), c.expected) << c.expected;
  }
  QLocale::setDefault(previous);
}

}  // namespace
}  // namespace arkwell::disk
