// The end of a run report as the window does it, and the Reports page.
#include <QDir>
#include <QFileInfo>

#include "core/Clock.h"
#include "gui/PageControl.h"
#include "gui/WindowTestSupport.h"
#include "gui/pages/ReportsPage.h"

namespace arkwell::gui {
namespace {

using test::WindowTest;

class ReportWindowTest : public WindowTest {
 protected:
  void TearDown() override {
    core::setFixedDateTime({});
    WindowTest::TearDown();
  }
};

TEST_F(ReportWindowTest, EndReportShowsSavesAndPrunes) {
  MainWindow& w = start();
  const QString folder = QString::fromStdString(dir / "reports");
  QDir().mkpath(folder);
  test::writeFile((dir / "reports/A.rep"), "old");
  test::writeFile((dir / "reports/ZZZ.rep"), "kept");
  w.data().settings.reportsSave = true;
  w.data().settings.reportsSaveDir = folder;
  w.data().settings.reportsRemoveDays = 5;
  core::setFixedDateTime(QDateTime(QDate(2026, 3, 5), QTime(14, 30, 20)));

  w.report().StartReport();
  w.report().AddReportLine("line one");
  w.EndReport();
  const QString name = "BackupReport_2026_03_05__14_30.rep";
  EXPECT_EQ(w.reportsPage()->shownName(), name);
  EXPECT_TRUE(w.reportsPage()->shownText().endsWith("line one"));
  EXPECT_TRUE(QFileInfo::exists(folder + "/" + name));
  EXPECT_FALSE(QFileInfo::exists(folder + "/A.rep"));
  EXPECT_TRUE(QFileInfo::exists(folder + "/ZZZ.rep"));
  EXPECT_FALSE(w.report().isOpen());
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ReportWindowTest, AReportThatCannotBeWrittenIsReportedAndStillShown) {
  MainWindow& w = start();
  test::writeFile(dir / "not-a-folder", "x");
  w.data().settings.reportsSave = true;
  w.data().settings.reportsSaveDir = QString::fromStdString(dir / "not-a-folder");
  w.report().StartReport();
  w.report().AddReportLine("kept in view");
  w.EndReport();
  EXPECT_TRUE(w.reportsPage()->shownText().endsWith("kept in view"));
  ASSERT_EQ(shownMessages().size(), 1);
  EXPECT_TRUE(shownMessages()[0].contains(QString::fromStdString(dir / "not-a-folder"))) << "names the file";
}

TEST_F(ReportWindowTest, ShowingTheWindowLoadsTheNewestReport) {
  installLanguageFile();
  const QString folder = QString::fromStdString(dir / "saved");
  for (const char* name : {"BackupReport_2026_01_02__10_00.rep", "BackupReport_2026_03_01__09_15.rep",
                           "BackupReport_2025_12_31__23_59.rep"}) {
    test::writeFile(dir / (std::string("saved/") + name), std::string("report ") + name + "\r\n");
  }
  writeDataFile("arkwellbackup.cfg", "[Reports]\nsavedir=" + folder + "\n");
  MainWindow& w = start();
  EXPECT_EQ(w.reportsPage()->shownName(), "BackupReport_2026_03_01__09_15.rep");
  EXPECT_EQ(w.reportsPage()->shownText(), "report BackupReport_2026_03_01__09_15.rep");
}

TEST_F(ReportWindowTest, AReportFolderTypedWithABlankStillGetsTheReport) {
  MainWindow& w = start();
  w.data().settings.reportsSave = true;
  w.data().settings.reportsSaveDir = QString::fromStdString(dir / "reps") + "  ";
  w.report().StartReport();
  w.EndReport();
  EXPECT_TRUE(dialogs.calls.empty()) << shownMessages().join('\n').toStdString();
  EXPECT_EQ(QDir(QString::fromStdString(dir / "reps")).entryList(QDir::Files).size(), 1);
}

TEST_F(ReportWindowTest, EndingWithoutAnOpenReportKeepsThePage) {
  MainWindow& w = start();
  w.reportsPage()->showReport({"kept"}, "kept.rep");
  w.EndReport();
  EXPECT_EQ(w.reportsPage()->shownName(), "kept.rep");
  EXPECT_TRUE(w.pageControl()->isEnabled()) << "the run lock is not left behind";
}

TEST_F(ReportWindowTest, AnotherReportIsPickedThroughTheFileDialog) {
  MainWindow& w = start();
  test::writeFile(dir / "other.rep", "picked\r\n");
  dialogs.fileAnswers = {QString::fromStdString(dir / "other.rep")};
  w.reportsPage()->openOtherReport();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].filter, "ArkwellBackup reports|*.rep");
  EXPECT_EQ(dialogs.calls[0].title, "Select reportfile");
  EXPECT_EQ(dialogs.calls[0].defaultExtension, "rep");
  EXPECT_EQ(w.reportsPage()->shownName(), "other.rep");
  EXPECT_EQ(w.reportsPage()->shownText(), "picked");
}

}  // namespace
}  // namespace arkwell::gui
