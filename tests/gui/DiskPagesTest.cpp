// The disk pages at work in the window: the job commands, a run from the
// buttons, a restore from the restore page, and a command-line run.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "core/Clock.h"
#include "core/JobTableLayouts.h"
#include "gui/DiskJobsController.h"
#include "gui/DiskRestoreController.h"
#include "gui/PageControl.h"
#include "gui/SelectFilesDialog.h"
#include "gui/WindowTestSupport.h"
#include "gui/pages/DiskRestorePage.h"
#include "gui/pages/JobTablePage.h"
#include "gui/pages/ReportsPage.h"
#include "support/Sandbox.h"

namespace arkwell::gui {
namespace {

namespace col = core::disk_column;

class DiskPages : public test::WindowTest {
 protected:
  void SetUp() override {
    installLanguageFile();
    test::writeFile(dir / "src/a.txt", "alpha");
    test::writeFile(dir / "src/sub/b.txt", "beta");
    core::setFixedDateTime(QDateTime(QDate(2026, 3, 5), QTime(10, 30)));
  }
  void TearDown() override {
    core::setFixedDateTime({});
    WindowTest::TearDown();
  }
  QString path(const char* relative) const { return QString::fromStdString(dir / relative); }
  void writeJob() {
    writeDataFile("Disk.csv", "Actief,Naam,Bron,Masker,Submappen,Doel,Laatst\r\nY,Docs," + path("src") + ",*.*,Y," +
                                  path("dest") + ",-\r\n");
  }
};

TEST_F(DiskPages, JobCommandsEditTheTableAndTheButtonsFollow) {
  MainWindow& w = start();
  JobTablePage& page = *w.diskBackupPage();
  EXPECT_FALSE(page.fullButton()->isEnabled()) << "the empty design row runs nothing";
  page.addButton()->click();
  const core::Table& jobs = w.data().diskJobs;
  ASSERT_EQ(jobs.rowCount(), 3);
  EXPECT_EQ(jobs.row(2), QStringList({"N", w.texts()[111] + "1", w.texts()[112], "*.*", "Y", "", "-"}));
  EXPECT_TRUE(w.SettingsChanged);
  EXPECT_FALSE(page.fullButton()->isEnabled()) << "a new job is inactive";
  page.allButton()->click();
  w.data().diskJobs.setCell(2, col::Destination, path("dest"));
  w.diskJobs()->SetButtons();
  EXPECT_TRUE(page.fullButton()->isEnabled());
  EXPECT_TRUE(page.incrementalButton()->isEnabled());

  page.grid()->setCurrentIndex(page.model()->index(1, col::Name));
  dialogs.askAnswers = {core::kButtonCancel, core::kButtonOk};
  page.removeButton()->click();
  EXPECT_EQ(jobs.rowCount(), 3) << "Cancel keeps the job";
  EXPECT_EQ(dialogs.calls.back().text, w.texts()[87] + " " + w.texts()[111] + "1?");
  page.removeButton()->click();
  EXPECT_EQ(jobs.rowCount(), 2);
  page.noneButton()->click();
  EXPECT_EQ(jobs.cell(1, col::Active), "N");
}

TEST_F(DiskPages, TheFullButtonRunsTheJobsAndShowsTheReport) {
  writeJob();
  MainWindow& w = start();
  w.diskBackupPage()->fullButton()->click();
  EXPECT_TRUE(QFileInfo::exists(path("dest/20260305-1030.KBU")));
  EXPECT_NE(w.data().diskJobs.cell(1, col::Last), "-");
  EXPECT_TRUE(w.reportsPage()->shownText().contains(w.texts()[78] + " Docs"));
  EXPECT_FALSE(w.busy.any());
  EXPECT_TRUE(w.pageControl()->isEnabled());
}

TEST_F(DiskPages, RestoreFromTheRestorePage) {
  writeJob();
  MainWindow& w = start();
  w.diskBackupPage()->fullButton()->click();
  test::writeFile(dir / "src/a.txt", "changed");
  test::writeFile(dir / "src/sub/b.txt", "changed");

  ASSERT_TRUE(w.pageControl()->setCurrentPage(MainWindow::kDiskRestorePage));
  DiskRestorePage& page = *w.diskRestorePage();
  ASSERT_EQ(page.jobList()->count(), 1);
  EXPECT_FALSE(page.startButton()->isEnabled());
  w.diskRestore()->jobChosen(0);
  ASSERT_EQ(page.archiveList()->count(), 1);
  page.archiveList()->setCurrentRow(0);
  w.diskRestore()->archiveChosen();
  EXPECT_TRUE(page.startButton()->isEnabled());
  EXPECT_EQ(page.fileNameValue()->text(), path("dest/20260305-1030.KBU"));
  EXPECT_EQ(page.titleValue()->text(), "Docs (" + w.texts()[89] + ")");

  bool shown = false;
  w.diskRestore()->showDialog = [&](SelectFilesDialog& dialog) {
    shown = true;
    EXPECT_EQ(dialog.totalFiles(), 2);
    // Keep only a.txt.
    for (QTreeWidgetItem* item : dialog.tree()->findItems("b.txt", Qt::MatchExactly | Qt::MatchRecursive)) {
      item->setCheckState(0, Qt::Unchecked);
    }
    dialog.updateCounter();
    return true;
  };
  page.startButton()->click();
  EXPECT_TRUE(shown);
  EXPECT_EQ(test::readFile(dir / "src/a.txt"), "alpha");
  EXPECT_EQ(test::readFile(dir / "src/sub/b.txt"), "changed");
  EXPECT_TRUE(w.reportsPage()->shownText().contains(w.texts()[106] + " 1"));
  EXPECT_FALSE(w.busy.diskRestore);
  EXPECT_TRUE(w.pageControl()->isEnabled());
}

TEST_F(DiskPages, TheCommandTestButtonsShowTheExitCode) {
  MainWindow& w = start();
  test::writeFile(dir / "cmd/before.sh", "#!/bin/sh\nexit 4\n");
  QFile::setPermissions(path("cmd/before.sh"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  w.data().settings.runBefore = path("cmd/before.sh");
  w.data().settings.runAfter = path("gone/after.sh");
  w.testCommand(true);
  w.testCommand(false);
  ASSERT_EQ(shownMessages().size(), 2);
  EXPECT_EQ(shownMessages()[0], "Exitcode = 4");
  EXPECT_TRUE(shownMessages()[1].startsWith("Exitcode = -1\n")) << "with the reason naming the folder";
  EXPECT_TRUE(shownMessages()[1].contains(path("gone")));
}

TEST_F(DiskPages, TheCommandLineBatchWaitsForARunningRestore) {
  writeJob();
  MainWindow& w = start({"DF"});
  w.batchRunner().pause = [](int) {};
  w.commandLineRunTimer().stop();
  w.setRunBusy(core::RunKind::DiskRestore, true);
  w.runCommandLineBatch();
  EXPECT_FALSE(QFileInfo::exists(path("dest/20260305-1030.KBU"))) << "no run inside another";
  EXPECT_TRUE(w.commandLineRunTimer().isActive()) << "it comes round again";
  w.setRunBusy(core::RunKind::DiskRestore, false);
  w.commandLineRunTimer().stop();
  w.runCommandLineBatch();
  EXPECT_TRUE(QFileInfo::exists(path("dest/20260305-1030.KBU")));
}

TEST_F(DiskPages, AbortWhileTheListIsReadRestoresNothing) {
  writeJob();
  MainWindow& w = start();
  w.diskBackupPage()->fullButton()->click();
  test::writeFile(dir / "src/a.txt", "changed");
  ASSERT_TRUE(w.pageControl()->setCurrentPage(MainWindow::kDiskRestorePage));
  w.diskRestorePage()->jobList()->setCurrentRow(0);
  w.diskRestorePage()->archiveList()->setCurrentRow(0);
  ASSERT_TRUE(w.diskRestorePage()->startButton()->isEnabled()) << "chosen with the keyboard as well";
  bool shown = false;
  w.diskRestore()->showDialog = [&](SelectFilesDialog&) {
    shown = true;
    return true;
  };
  // Abort comes in while the list is read (events are pumped there).
  QTimer::singleShot(0, &w, [&] { w.abortRuns(); });
  w.diskRestorePage()->startButton()->click();
  EXPECT_FALSE(shown) << "nothing to choose from after Abort";
  EXPECT_EQ(test::readFile(dir / "src/a.txt"), "changed");
  EXPECT_TRUE(w.pageControl()->isEnabled());
  EXPECT_FALSE(w.busy.diskRestore);
  EXPECT_TRUE(w.diskRestorePage()->startButton()->isEnabled());
}

TEST_F(DiskPages, ACommandLineRunBacksUpClosesAndPowersOff) {
  writeJob();
  std::remove(test::powerOffMarker().c_str());
  MainWindow& w = start({"df", "SD"});
  w.batchRunner().pause = [](int) {};
  ASSERT_TRUE(w.commandLineRunTimer().isActive());
  w.commandLineRunTimer().stop();
  w.runCommandLineBatch();
  EXPECT_TRUE(QFileInfo::exists(path("dest/20260305-1030.KBU")));
  EXPECT_FALSE(w.isVisible()) << "the window closed by itself";
  EXPECT_TRUE(w.Closing);
  EXPECT_TRUE(test::fileExists(test::powerOffMarker()));
  EXPECT_TRUE(dialogs.calls.empty()) << "no message box in a command-line run";
  EXPECT_NE(test::readFile(dataFile("Disk.csv").toStdString()).find("Mar 2026"), std::string::npos)
      << "the last-run stamp was saved on closing";
}

}  // namespace
}  // namespace arkwell::gui
