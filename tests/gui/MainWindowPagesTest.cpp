// Page changes and their guards, help topics, the run lock.
#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "core/ProfileFile.h"
#include "gui/DetailsPanel.h"
#include "gui/PageControl.h"
#include "gui/WindowTestSupport.h"
#include "gui/pages/SettingsPage.h"

namespace arkwell::gui {
namespace {

using test::WindowTest;

TEST_F(WindowTest, PageChangesFollowHelpTopicsAndShowProgressOnlyForDiskAndFtp) {
  installLanguageFile();
  MainWindow& w = start();
  struct Case {
    int page;
    int topic;
    bool progressVisible;
  };
  const Case cases[] = {
      {MainWindow::kFtpBackupPage, 13, true},         {MainWindow::kDiskRestorePage, 11, true},
      {MainWindow::kReportsPage, 1, false},           {MainWindow::kImmediateBackupPage, 19, false},
      {MainWindow::kImmediateRestorePage, 20, false}, {MainWindow::kFtpRestorePage, 14, true},
      {MainWindow::kDiskBackupPage, 10, true},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(w.pageControl()->setCurrentPage(c.page));
    EXPECT_EQ(w.CurrentHelpTopic, w.texts().helpTopic(c.topic)) << c.page;
    EXPECT_EQ(w.progressPanel()->isVisibleTo(&w), c.progressVisible) << c.page;
  }
  const QString before = w.CurrentHelpTopic;
  w.pageControl()->setCurrentPage(MainWindow::kNotesPage);
  EXPECT_EQ(w.CurrentHelpTopic, before) << "the notes page keeps the topic";

  w.action("actOptions")->trigger();
  EXPECT_EQ(w.pageControl()->currentPage(), MainWindow::kSettingsPage);
  EXPECT_EQ(w.CurrentHelpTopic, w.texts().helpTopic(4));
  w.settingsPage()->setCurrentSubPage(SettingsPage::kScheduler);
  EXPECT_EQ(w.CurrentHelpTopic, w.texts().helpTopic(23));
  EXPECT_FALSE(w.CurrentHelpTopic.isEmpty());

  QSignalSpy help(&w, &MainWindow::helpRequested);
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_F1);
  ASSERT_EQ(help.count(), 1);
  EXPECT_EQ(help.at(0).at(1).toString(), w.texts().helpTopic(23));
  EXPECT_FALSE(help.at(0).at(2).toBool()) << "F1 keeps the viewer's file";
}

TEST_F(WindowTest, PageChangeGuards) {
  MainWindow& w = start();
  w.busy.diskRun = true;
  EXPECT_FALSE(w.pageControl()->setCurrentPage(MainWindow::kReportsPage));
  w.pageControl()->tabBar()->setCurrentIndex(MainWindow::kReportsPage);  // as a click would
  EXPECT_EQ(w.pageControl()->currentPage(), MainWindow::kDiskBackupPage);
  EXPECT_EQ(w.pageControl()->tabBar()->currentIndex(), MainWindow::kDiskBackupPage) << "the tab goes back";
  w.busy.diskRun = false;

  bool connected = true;
  w.ftpConnected = [&] { return connected; };
  EXPECT_FALSE(w.pageControl()->setCurrentPage(MainWindow::kReportsPage));
  EXPECT_EQ(shownMessages().value(0), "Please first disconnect from FTP-server.");
  w.action("actOptions")->trigger();
  EXPECT_NE(w.pageControl()->currentPage(), MainWindow::kSettingsPage);
  connected = false;

  // Leaving the settings page saves everything.
  w.action("actOptions")->trigger();
  ASSERT_EQ(w.pageControl()->currentPage(), MainWindow::kSettingsPage);
  connected = true;
  w.settingsPage()->setCurrentSubPage(SettingsPage::kReports);
  EXPECT_EQ(w.settingsPage()->currentSubPage(), SettingsPage::kAgent);
  EXPECT_EQ(shownMessages().last(), "Please disconnect before continuing");
  connected = false;
  w.data().settings.diskMaxDays = 77;
  ASSERT_TRUE(w.pageControl()->setCurrentPage(MainWindow::kDiskBackupPage));
  EXPECT_EQ(core::ProfileFile(dataFile("arkwellbackup.cfg")).readInteger("Backups", "MaxTijd", -1), 77);
}

TEST_F(WindowTest, RunLockDisablesThePagesAndEnablesAbort) {
  MainWindow& w = start();
  QPushButton* abort = w.progressPanel()->abortButton();
  EXPECT_FALSE(abort->isEnabled());
  w.lockRun();
  EXPECT_FALSE(w.pageControl()->isEnabled());
  for (int tab = 0; tab < MainWindow::kTabbedPages; ++tab) {
    EXPECT_FALSE(w.pageControl()->tabBar()->isTabEnabled(tab)) << tab;
  }
  EXPECT_TRUE(abort->isEnabled());
  w.releaseRun();
  EXPECT_TRUE(w.pageControl()->isEnabled());
  EXPECT_TRUE(w.pageControl()->tabBar()->isTabEnabled(MainWindow::kNotesPage));
  EXPECT_FALSE(abort->isEnabled());
}

TEST_F(WindowTest, RunHostFillsTheDetailsAndTheDetailsActionToggles) {
  MainWindow& w = start();
  w.setDetail(core::DetailField::ToFrom, "Disk");
  w.setDetail(core::DetailField::Result, "Backup finished");
  w.setProgress(40, 75);
  EXPECT_EQ(w.detailsPanel()->value(core::DetailField::ToFrom), "Disk");
  EXPECT_EQ(w.detailsPanel()->value(core::DetailField::TotalFiles), "-");
  EXPECT_EQ(w.progressPanel()->result(), "Backup finished");
  EXPECT_EQ(w.progressPanel()->overallProgress()->value(), 40);
  EXPECT_EQ(w.detailsPanel()->jobProgress()->value(), 75);

  const bool visible = w.detailsPanel()->isVisibleTo(&w);
  w.action("ActShowDetails")->trigger();
  EXPECT_NE(w.detailsPanel()->isVisibleTo(&w), visible);
  EXPECT_EQ(w.data().settings.detailsVisible, !visible);
}

TEST_F(WindowTest, UpdateNeedsInternetAccess) {
  installLanguageFile();
  MainWindow& w = start();
  QSignalSpy update(&w, &MainWindow::updateRequested);
  w.data().settings.internetAccess = 0;
  w.action("ActUpdate")->trigger();
  EXPECT_EQ(update.count(), 0);
  EXPECT_EQ(shownMessages().value(0), w.texts()[278]);
  w.data().settings.internetAccess = 2;
  w.data().settings.proxyServer = "proxy:3128";
  w.action("ActUpdate")->trigger();
  ASSERT_EQ(update.count(), 1);
  EXPECT_EQ(update.at(0).at(0).toString(), "proxy:3128");
}

}  // namespace
}  // namespace arkwell::gui
