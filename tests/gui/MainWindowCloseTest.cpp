// Closing: the confirmation, the wait for a busy run, the last save.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

#include "core/ProfileFile.h"
#include "core/RunHost.h"
#include "gui/TrayIcon.h"
#include "gui/WindowTestSupport.h"

namespace arkwell::gui {
namespace {

using test::WindowTest;

TEST_F(WindowTest, CloseWithChangedSettingsAsksAndCancelKeepsTheWindow) {
  MainWindow& w = start();
  w.data().settings.diskMaxDays = 55;
  w.setSettingsChanged(true);
  dialogs.askAnswers = {core::kButtonCancel};
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "Instellingen gewijzigd. Service is nog NIET herstart. Doorgaan?");
  EXPECT_EQ(dialogs.calls[0].buttons, core::kButtonOk | core::kButtonCancel);
  EXPECT_EQ(core::ProfileFile(dataFile("arkwellbackup.cfg")).readInteger("Backups", "MaxTijd", -1), 14)
      << "nothing saved";

  dialogs.askAnswers = {core::kButtonOk};
  EXPECT_TRUE(w.close());
  EXPECT_EQ(core::ProfileFile(dataFile("arkwellbackup.cfg")).readInteger("Backups", "MaxTijd", -1), 55);
}

TEST_F(WindowTest, CloseWaitsForABusyRunThenSavesTheWaitingFiles) {
  MainWindow& w = start();
  bool finalBackupRan = false;
  bool busyWhenItRan = true;
  w.finalImmediateBackup = [&] {
    finalBackupRan = true;
    busyWhenItRan = w.busy.any();
  };
  QSignalSpy closed(&w, &MainWindow::closed);
  w.setRunBusy(core::RunKind::FtpRun, true);
  EXPECT_FALSE(w.close()) << "the run goes on; the close waits for it";
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(finalBackupRan);
  QTimer::singleShot(50, &w, [&] { w.setRunBusy(core::RunKind::FtpRun, false); });
  ASSERT_TRUE(closed.wait(5000));
  EXPECT_TRUE(finalBackupRan);
  EXPECT_FALSE(busyWhenItRan) << "the run ended before the last immediate backup";
}

TEST_F(WindowTest, ARunStillGoingAfterTheWaitIsStopped) {
  MainWindow& w = start();
  w.setRunBusy(core::RunKind::DiskRun, true);
  w.runControl().RunFlag = true;
  EXPECT_FALSE(w.close());
  // The wait of 30 seconds is cut short here: its end stops the run.
  w.abortRuns();
  EXPECT_FALSE(w.runControl().RunFlag);
  QSignalSpy closed(&w, &MainWindow::closed);
  w.setRunBusy(core::RunKind::DiskRun, false);
  ASSERT_TRUE(closed.wait(5000));
}

TEST_F(WindowTest, ExitFromTheTrayEndsTheProgramEvenWhenHidden) {
  MainWindow& w = start();
  QSignalSpy closed(&w, &MainWindow::closed);
  w.hide();
  w.trayIcon()->menu()->findChild<QAction*>("trayExit")->trigger();
  EXPECT_EQ(closed.count(), 1) << "the program ends on this signal, not on the last visible window";
  EXPECT_FALSE(w.scheduleTimer().isActive());
  EXPECT_TRUE(w.Closing);
}

TEST_F(WindowTest, AWindowNeverShownSavesNothingOnClose) {
  start({}, false);
  QFile::remove(dataFile("arkwellbackup.cfg"));
  window->close();
  EXPECT_FALSE(QFileInfo::exists(dataFile("arkwellbackup.cfg")));
}

}  // namespace
}  // namespace arkwell::gui
