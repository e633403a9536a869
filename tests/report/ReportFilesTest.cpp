#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocale>

#include "core/CoreError.h"
#include "report/ReportFiles.h"
#include "support/TempDir.h"

namespace arkwell::report {
namespace {

QString qpath(const test::TempDir& dir, const std::string& relative) {
  return QString::fromStdString(dir / relative);
}

const QDateTime kNow(QDate(2026, 6, 15), QTime(12, 0));

TEST(ReportFiles, ReportFileNameHasMinuteResolutionOnA24HourClock) {
  struct Case {
    QDateTime time;
    const char* expected;
  };
  const Case cases[] = {
      {QDateTime(QDate(2024, 3, 5), QTime(14, 30)), "BackupReport_2024_03_05__14_30.rep"},
      {QDateTime(QDate(2024, 3, 5), QTime(14, 30, 59, 999)), "BackupReport_2024_03_05__14_30.rep"},
      {QDateTime(QDate(2025, 12, 31), QTime(0, 5)), "BackupReport_2025_12_31__00_05.rep"},
      {QDateTime(QDate(2026, 1, 1), QTime(9, 7)), "BackupReport_2026_01_01__09_07.rep"},
      {QDateTime(QDate(2026, 1, 1), QTime(23, 59, 1)), "BackupReport_2026_01_01__23_59.rep"},
  };
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));  // a locale with its own digits
  for (const Case& c : cases) {
    EXPECT_EQ(ReportFileName(c.time), c.expected) << c.time.toString(Qt::ISODateWithMs).toStdString();
  }
  QLocale::setDefault(previous);
}

TEST(ReportFiles, WritesCrLfLinesInUtf8AndReadsThemBack) {
  test::TempDir dir;
  const QString path = qpath(dir, "r.rep");
  const QStringList lines = {"Report", "", "Bä r", ""};
  writeReportFile(path, lines);
  EXPECT_EQ(test::readFile(dir / "r.rep"), "Report\r\n\r\nB\xC3\xA4 r\r\n\r\n");
  EXPECT_EQ(readReportFile(path), lines);

  writeReportFile(path, {"shorter"});
  EXPECT_EQ(test::readFile(dir / "r.rep"), "shorter\r\n") << "an existing report is replaced whole";

  writeReportFile(path, {});
  EXPECT_EQ(test::readFile(dir / "r.rep"), "");
  EXPECT_TRUE(readReportFile(path).isEmpty());
}

TEST(ReportFiles, ReadsLfAndAMissingLastLineBreak) {
  test::TempDir dir;
  struct Case {
    std::string bytes;
    QStringList expected;
  };
  const Case cases[] = {
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\nb\r\n", {"a", "", "b"}},
      {"\r\n", {""}},
  };
  for (const Case& c : cases) {
    test::writeFile(dir / "in.rep", c.bytes);
    EXPECT_EQ(readReportFile(qpath(dir, "in.rep")), c.expected) << c.bytes;
  }
}

TEST(ReportFiles, ReadingFailuresNameTheFile) {
  test::TempDir dir;
  test::makeFolder(dir / "folder.rep");
  for (const char* name : {"missing.rep", "folder.rep"}) {
    const QString path = qpath(dir, name);
    try {
      readReportFile(path);
      ADD_FAILURE() << "no error for " << name;
    } catch (const core::CoreError& error) {
      EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }
  }
}

TEST(ReportFiles, WritingFailureNamesTheFile) {
  test::TempDir dir;
  test::writeFile(dir / "plain", "not a folder");
  const QString path = qpath(dir, "plain/BackupReport_2026_06_15__12_00.rep");
  try {
    writeReportFile(path, {"x"});
    ADD_FAILURE() << "no error writing below a regular file";
  } catch (const core::CoreError& error) {
    EXPECT_TRUE(error.message().startsWith("Cannot create file \"" + path + "\". ")) << error.message().toStdString();
  }
}

TEST(ReportFiles, NewestIsTheByteWiseGreatestReportFileName) {
  struct Case {
    const char* label;
    std::vector<std::string> files;    // created in this order
    std::vector<std::string> folders;  // never chosen
    const char* expected;              // "" for none
  };
  const Case cases[] = {
      {"dates out of order",
       {"BackupReport_2026_01_02__10_00.rep", "BackupReport_2026_01_10__08_00.rep",
        "BackupReport_2025_12_31__23_59.rep", "BackupReport_2026_01_09__23_00.rep", "zzz.txt"},
       {"ZZZ.rep"},
       "BackupReport_2026_01_10__08_00.rep"},
      {"extension in any case",
       {"BackupReport_2026_01_02__10_00.rep", "BackupReport_2026_03_01__00_00.REP"},
       {},
       "BackupReport_2026_03_01__00_00.REP"},
      {"small letters sort after capitals", {"alpha.rep", "Zeta.rep"}, {}, "alpha.rep"},
      {"only a folder", {"notes.txt"}, {"x.rep"}, ""},
      {"empty folder", {}, {}, ""},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    test::makeFolder(dir / "r");
    for (const std::string& name : c.files) test::writeFile(dir / ("r/" + name), "x\r\n");
    for (const std::string& name : c.folders) test::makeFolder(dir / ("r/" + name));
    const QString expected = *c.expected ? qpath(dir, std::string("r/") + c.expected) : QString();
    EXPECT_EQ(newestReportFile(qpath(dir, "r")), expected) << c.label;
  }
  test::TempDir dir;
  EXPECT_EQ(newestReportFile(qpath(dir, "missing")), QString());
}

TEST(ReportFiles, PruneDeletesEveryReportFileNamedBeforeTheCutoff) {
  struct Case {
    QString name;
    bool kept;
  };
  const Case cases[] = {
      {ReportFileName(kNow.addSecs(-23 * 3600)), true},
      {ReportFileName(kNow.addSecs(-24 * 3600)), true},  // the cutoff itself does not sort before the cutoff
      {ReportFileName(kNow.addSecs(-24 * 3600 - 60)), false},
      {ReportFileName(kNow.addSecs(-25 * 3600)), false},
      {ReportFileName(kNow.addDays(-400)).replace(".rep", ".REP"), false},
      {"A.rep", false},  // any name takes part
      {".hidden.rep", false},
      {"ZZZ.rep", true},
      {"a.rep", true},  // case-sensitive: small letters sort after "BackupReport_"
      {"A.txt", true},  // not a report file
  };
  test::TempDir dir;
  for (const Case& c : cases) test::writeFile(dir / c.name.toStdString(), "x");
  test::makeFolder(dir / "0.rep");  // a folder sorting before the cutoff

  pruneReports(QString::fromStdString(dir.path()), kNow, 1);
  for (const Case& c : cases) {
    EXPECT_EQ(test::fileExists(dir / c.name.toStdString()), c.kept) << c.name.toStdString();
  }
  struct stat info {};
  EXPECT_TRUE(::stat((dir / "0.rep").c_str(), &info) == 0 && S_ISDIR(info.st_mode)) << "the folder 0.rep is kept";
}

TEST(ReportFiles, PruneNeverTakesTheCurrentMinute) {
  test::TempDir dir;
  const std::string current = ReportFileName(kNow).toStdString();
  const std::string hourAgo = ReportFileName(kNow.addSecs(-3600)).toStdString();
  test::writeFile(dir / current, "x");
  test::writeFile(dir / hourAgo, "x");
  for (int days : {0, -3}) pruneReports(QString::fromStdString(dir.path()), kNow, days);
  EXPECT_TRUE(test::fileExists(dir / current));
  EXPECT_TRUE(test::fileExists(dir / hourAgo)) << "fewer than one day counts as one day";
}

TEST(ReportFiles, PruneSkipsFilesThatCannotBeDeleted) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser may delete in a read-only folder";
  test::TempDir dir;
  test::writeFile(dir / "r/A.rep", "x");
  test::writeFile(dir / "r/" + ReportFileName(kNow.addDays(-30)).toStdString(), "x");
  ASSERT_EQ(::chmod((dir / "r").c_str(), 0555), 0) << dir / "r";
  EXPECT_NO_THROW(pruneReports(qpath(dir, "r"), kNow, 1));
  EXPECT_TRUE(test::fileExists(dir / "r/A.rep"));
  ::chmod((dir / "r").c_str(), 0755);
}

}  // namespace
}  // namespace arkwell::report
