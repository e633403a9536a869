#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/SystemInfo.h"
#include "report/RunReport.h"

namespace arkwell::report {
namespace {

TEST(RunReport, StartReportOpensWithTheFourHeaderLines) {
  RunReport report;
  EXPECT_FALSE(report.isOpen());
  report.StartReport();
  ASSERT_TRUE(report.isOpen());
  const QStringList expected = {"Report Backup/Restore Arkwell Backup", "Program version: " + core::FileVersionString(),
                                "-------------------------", ""};
  EXPECT_EQ(report.lines(), expected);
  EXPECT_TRUE(QRegularExpression(R"(^Program version: \d+\.\d+\.\d+\.\d+$)").match(report.lines()[1]).hasMatch())
      << report.lines()[1].toStdString();
}

TEST(RunReport, LinesAreStoredExactlyAndStartReportReplacesTheOldReport) {
  RunReport report;
  report.StartReport();
  const QStringList added = {"", "  two leading blanks", "trailing blank ", "Bä r: 1/2"};
  for (const QString& line : added) report.AddReportLine(line);
  ASSERT_EQ(report.lines().size(), 4 + added.size());
  EXPECT_EQ(report.lines().mid(4), added);

  report.StartReport();
  EXPECT_EQ(report.lines().size(), 4) << "a new report starts from the header only";

  report.discard();
  EXPECT_FALSE(report.isOpen());
  EXPECT_TRUE(report.lines().isEmpty());
  report.AddReportLine("after the end");
  EXPECT_FALSE(report.isOpen());
  EXPECT_TRUE(report.lines().isEmpty()) << "a line without an open report goes nowhere";
}

TEST(RunReport, FileDetailLineRightAlignsTheNumberInSixCharacters) {
  struct Case {
    int number;
    QString path, expected;
  };
  const Case cases[] = {
      {1, "/a", "file      1: /a"},
      {10, "/x", "file     10: /x"},
      {123456, "/data/my file.txt", "file 123456: /data/my file.txt"},
      {1234567, "/y", "file 1234567: /y"},  // wider numbers are not cut
      {7, "", "file      7: "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fileDetailLine(c.number, c.path), c.expected) << c.number;
  }
}

}  // namespace
}  // namespace arkwell::report
