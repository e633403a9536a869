#include <gtest/gtest.h>

#include <QDir>
#include <stdexcept>

#include "report/ReportFiles.h"
#include "report/ReportFinisher.h"
#include "support/TempDir.h"

namespace arkwell::report {
namespace {

const QDateTime kNow(QDate(2026, 6, 15), QTime(12, 0, 10));
const QString kMailFailed = "Sending the report by e-mail failed";

QString qpath(const test::TempDir& dir, const std::string& relative) {
  return QString::fromStdString(dir / relative);
}

RunReport openReport(const QStringList& body = {"run 1", "file      1: /a"}) {
  RunReport report;
  report.StartReport();
  for (const QString& line : body) report.AddReportLine(line);
  return report;
}

ReportOptions savingTo(const QString& folder) {
  ReportOptions options;
  options.save = true;
  options.folder = folder;
  options.removeDays = 1;
  options.mailFailedText = kMailFailed;
  return options;
}

QStringList entriesOf(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(ReportFinisher, SavesTheReportAndPrunesOldOnes) {
  test::TempDir dir;
  const std::string old = ReportFileName(kNow.addSecs(-25 * 3600)).toStdString();
  const std::string recent = ReportFileName(kNow.addSecs(-23 * 3600)).toStdString();
  for (const std::string& name : {old, recent, std::string("A.rep"), std::string("ZZZ.rep")}) {
    test::writeFile(dir / name, "x\r\n");
  }
  test::writeFile(dir / "0.rep/inside.txt", "a folder named like a report");

  RunReport report = openReport();
  const QStringList lines = report.lines();
  const FinishedReport result = finishReport(report, savingTo(QString::fromStdString(dir.path())), kNow, nullptr);

  EXPECT_FALSE(report.isOpen());
  EXPECT_EQ(result.lines, lines);
  EXPECT_EQ(result.fileName, "BackupReport_2026_06_15__12_00.rep");
  EXPECT_EQ(result.savedPath, qpath(dir, result.fileName.toStdString()));
  EXPECT_EQ(result.saveError, "");
  EXPECT_FALSE(result.mailFailed);
  EXPECT_EQ(test::readFile(result.savedPath.toStdString()),
            "Report Backup/Restore Arkwell Backup\r\n" + lines[1].toStdString() +
                "\r\n-------------------------\r\n\r\nrun 1\r\nfile      1: /a\r\n");

  EXPECT_FALSE(test::fileExists(dir / old));
  EXPECT_FALSE(test::fileExists(dir / "A.rep"));
  EXPECT_TRUE(test::fileExists(dir / recent));
  EXPECT_TRUE(test::fileExists(dir / "ZZZ.rep"));
  EXPECT_TRUE(test::fileExists(dir / "0.rep/inside.txt"));
}

TEST(ReportFinisher, ASecondReportInTheSameMinuteReplacesTheFirst) {
  test::TempDir dir;
  const ReportOptions options = savingTo(QString::fromStdString(dir.path()) + "/");  // a trailing slash is fine
  RunReport first = openReport({"first"});
  const FinishedReport one = finishReport(first, options, QDateTime(kNow.date(), QTime(12, 0, 1)), nullptr);
  RunReport second = openReport({"second"});
  const FinishedReport two = finishReport(second, options, QDateTime(kNow.date(), QTime(12, 0, 59)), nullptr);

  EXPECT_EQ(one.fileName, two.fileName);
  EXPECT_EQ(entriesOf(qpath(dir, "")), QStringList{two.fileName});
  EXPECT_EQ(readReportFile(qpath(dir, two.fileName.toStdString())).last(), "second");
}

TEST(ReportFinisher, SavingOffWritesAndPrunesNothingButKeepsTheResult) {
  test::TempDir dir;
  test::writeFile(dir / "A.rep", "x");
  ReportOptions options = savingTo(QString::fromStdString(dir.path()));
  options.save = false;
  RunReport report = openReport();
  const QStringList lines = report.lines();
  const FinishedReport result = finishReport(report, options, kNow, nullptr);

  EXPECT_EQ(result.lines, lines);
  EXPECT_EQ(result.fileName, ReportFileName(kNow));
  EXPECT_EQ(result.savedPath, "");
  EXPECT_EQ(entriesOf(QString::fromStdString(dir.path())), QStringList{"A.rep"});
  EXPECT_FALSE(report.isOpen());
}

TEST(ReportFinisher, ABlankFolderSettingSavesAndPrunesNowhere) {
  // A blank folder must not fall back to the working folder.
  test::TempDir dir;
  test::writeFile(dir / "work/A.rep", "x");
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(qpath(dir, "work")));
  for (const QString& folder : {QString(), QString("   ")}) {
    RunReport report = openReport();
    const FinishedReport result = finishReport(report, savingTo(folder), kNow, nullptr);
    EXPECT_EQ(result.savedPath, "") << '"' << folder.toStdString() << '"';
    EXPECT_EQ(result.saveError, "");
    EXPECT_EQ(result.lines.size(), 6);
    EXPECT_EQ(entriesOf(qpath(dir, "work")), QStringList{"A.rep"}) << '"' << folder.toStdString() << '"';
  }
  QDir::setCurrent(previous);
}

TEST(ReportFinisher, AReportThatCannotBeWrittenNamesTheFileAndPrunesNothing) {
  test::TempDir dir;
  test::writeFile(dir / "plain", "a regular file where the folder should be");
  test::writeFile(dir / "r/A.rep", "x");
  test::makeFolder(dir / ("r/" + ReportFileName(kNow).toStdString()));  // the target name is taken by a folder
  for (const QString& folder : {qpath(dir, "plain"), qpath(dir, "r")}) {
    RunReport report = openReport();
    const QStringList lines = report.lines();
    const FinishedReport result = finishReport(report, savingTo(folder), kNow, nullptr);
    const QString target = folder + "/" + ReportFileName(kNow);
    EXPECT_TRUE(result.saveError.startsWith("Cannot create file \"" + target + "\". "))
        << result.saveError.toStdString();
    EXPECT_EQ(result.savedPath, "");
    EXPECT_EQ(result.lines, lines);
    EXPECT_EQ(result.fileName, ReportFileName(kNow));
    EXPECT_FALSE(report.isOpen());
  }
  EXPECT_TRUE(test::fileExists(dir / "r/A.rep")) << "no pruning after a failed write";
}

struct MailError : std::exception {
  const char* what() const noexcept override { return "no SMTP server"; }
};

TEST(ReportFinisher, AFailedMailAppendsTheTextAsTheLastSavedLine) {
  const std::function<void(const QStringList&)> failures[] = {
      [](const QStringList&) { throw std::runtime_error("connection refused"); },
      [](const QStringList&) { throw MailError(); },
  };
  for (const auto& sendMail : failures) {
    test::TempDir dir;
    ReportOptions options = savingTo(QString::fromStdString(dir.path()));
    options.mail = true;
    RunReport report = openReport();
    const QStringList lines = report.lines();
    const FinishedReport result = finishReport(report, options, kNow, sendMail);

    EXPECT_TRUE(result.mailFailed);
    EXPECT_EQ(result.lines, lines + QStringList{kMailFailed});
    EXPECT_EQ(readReportFile(result.savedPath), result.lines);
  }
}

TEST(ReportFinisher, MailsTheReportOnlyWhenMailingIsOnAndInternetIsAllowed) {
  struct Case {
    bool mail;
    int internetAccess;
    bool sent;
  };
  const Case cases[] = {{false, 1, false}, {true, 0, false}, {true, 1, true}, {true, 2, true}};
  for (const Case& c : cases) {
    ReportOptions options;
    options.mail = c.mail;
    options.internetAccess = c.internetAccess;
    options.mailFailedText = kMailFailed;
    RunReport report = openReport();
    const QStringList lines = report.lines();
    QList<QStringList> mailed;
    const FinishedReport result =
        finishReport(report, options, kNow, [&](const QStringList& sent) { mailed.append(sent); });
    EXPECT_EQ(mailed, c.sent ? QList<QStringList>{lines} : QList<QStringList>{})
        << "mail " << c.mail << ", internet " << c.internetAccess;
    EXPECT_FALSE(result.mailFailed);
    EXPECT_EQ(result.lines, lines);
  }

  ReportOptions options;
  options.mail = true;
  RunReport report = openReport();
  const FinishedReport result = finishReport(report, options, kNow, nullptr);
  EXPECT_FALSE(result.mailFailed) << "no mail function counts as mailing off";
  EXPECT_EQ(result.lines.size(), 6);
}

TEST(ReportFinisher, OnlyStandardExceptionsCountAsMailFailures) {
  ReportOptions options;
  options.mail = true;
  RunReport report = openReport();
  EXPECT_THROW(finishReport(report, options, kNow, [](const QStringList&) { throw 42; }), int);
  EXPECT_FALSE(report.isOpen()) << "the report is discarded on the way out";
}

TEST(ReportFinisher, FinishingWithoutAnOpenReportDoesNothing) {
  test::TempDir dir;
  ReportOptions options = savingTo(QString::fromStdString(dir.path()));
  options.mail = true;
  bool mailed = false;
  RunReport report;
  const FinishedReport result = finishReport(report, options, kNow, [&](const QStringList&) { mailed = true; });
  EXPECT_FALSE(mailed);
  EXPECT_TRUE(result.lines.isEmpty());
  EXPECT_EQ(result.fileName, "");
  EXPECT_TRUE(entriesOf(QString::fromStdString(dir.path())).isEmpty());
}

}  // namespace
}  // namespace arkwell::report

namespace arkwell::report {
namespace {

TEST(ReportFinisher, AReportFolderThatWentMissingIsMadeAgain) {
  test::TempDir dir;
  RunReport report = openReport();
  const FinishedReport result = finishReport(report, savingTo(qpath(dir, "gone/reports")), kNow, nullptr);
  EXPECT_EQ(result.saveError, "");
  EXPECT_EQ(result.savedPath, qpath(dir, "gone/reports/" + result.fileName.toStdString()));
  EXPECT_TRUE(test::fileExists(result.savedPath.toStdString()));
}

}  // namespace
}  // namespace arkwell::report
