// Creating and showing the window: first start, an older settings file,
// the command line, the language.
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTabBar>

#include "core/ProfileFile.h"
#include "gui/DetailsPanel.h"
#include "gui/PageControl.h"
#include "gui/WindowTestSupport.h"
#include "gui/pages/SettingsPage.h"
#include "gui/settings/MiscSettingsPage.h"

namespace arkwell::gui {
namespace {

using test::WindowTest;

TEST_F(WindowTest, FirstStartCreatesTheDataFolderAndWritesFirstStartValues) {
  MainWindow& w = start({"H"});
  EXPECT_TRUE(w.firstStart);
  EXPECT_TRUE(w.shown);
  EXPECT_FALSE(w.SettingsChanged);
  EXPECT_TRUE(QFileInfo(dataFile("Temp")).isDir());
  EXPECT_TRUE(QFileInfo(dataFile("Reports")).isDir());
  for (const char* file : {"Disk.csv", "FTP.csv", "IB.csv", "IBFiles.csv", "schedule.csv", "Ignorelist.txt",
                           "Notes.txt", "arkwellbackupservice.cfg"}) {
    EXPECT_TRUE(QFileInfo::exists(dataFile(file))) << file;
  }
  const core::ProfileFile ini(dataFile("arkwellbackup.cfg"));
  ASSERT_TRUE(ini.existed());
  EXPECT_EQ(ini.readString("Gui", "Taal"), "Nederlands");
  EXPECT_EQ(ini.readInteger("Backups", "MaxTijd", -1), 14);
  EXPECT_EQ(ini.readInteger("Backups", "MinKeep", -1), 3);
  EXPECT_EQ(ini.readInteger("Backups", "SDDelay", -1), 5);
  EXPECT_EQ(ini.readInteger("FTP", "MinKeep", -1), 3);
  EXPECT_EQ(ini.readString("Reports", "create"), "0");
  EXPECT_EQ(ini.readString("Reports", "savereports"), "0");
  EXPECT_EQ(ini.readInteger("Immediate", "every", -1), 5);
  EXPECT_EQ(ini.readString("General", "DetailsVisible"), "0") << "shown, but stored off until toggled";
  EXPECT_TRUE(w.detailsPanel()->isVisibleTo(&w));
  EXPECT_TRUE(w.CommandLineMode);
  EXPECT_FALSE(w.AutoRun);
  EXPECT_TRUE(dialogs.calls.empty()) << "a first start asks nothing";
}

TEST_F(WindowTest, AnOlderSettingsFileGivesMissingKeysTheirDefaults) {
  installLanguageFile();
  writeDataFile("arkwellbackup.cfg", "[Gui]\nTaal=English\n[General]\nDetailsVisible=0\n");
  MainWindow& w = start();
  EXPECT_FALSE(w.firstStart);
  EXPECT_EQ(w.data().settings.diskMaxDays, 8);
  EXPECT_EQ(w.data().settings.diskMinKeep, 6);
  EXPECT_EQ(w.data().settings.shutdownDelay, 60);
  EXPECT_FALSE(w.detailsPanel()->isVisibleTo(&w));
  EXPECT_EQ(w.pageControl()->tabBar()->tabText(0), w.texts()[8]);
  EXPECT_EQ(w.texts().CurrentLanguage, "English");
  EXPECT_EQ(w.data().settings.reportsSaveDir, dataFile("Reports"));
}

TEST_F(WindowTest, CommandLineSetsRequestsStatusPaneAndTimers) {
  MainWindow& w = start({"di", "SD", "unknown"});
  EXPECT_TRUE(w.requests.RunIncrDisk);
  EXPECT_TRUE(w.requests.ShutdownAfterRun);
  EXPECT_EQ(w.statusPane(3)->text(), "DI  +SD ");
  EXPECT_TRUE(w.AutoRun);
  EXPECT_TRUE(w.CommandLineMode);
  EXPECT_TRUE(w.commandLineRunTimer().isActive());
  EXPECT_EQ(w.commandLineRunTimer().interval(), 5000);
  EXPECT_FALSE(w.immediateTimer().isActive()) << "no immediate backups during an automatic run";
  EXPECT_TRUE(w.scheduleTimer().isActive());
}

TEST_F(WindowTest, WithoutArgumentsNothingRunsAndMessagesAreShown) {
  MainWindow& w = start();
  EXPECT_FALSE(w.CommandLineMode);
  EXPECT_FALSE(w.commandLineRunTimer().isActive());
  EXPECT_TRUE(w.immediateTimer().isActive());
  EXPECT_EQ(w.immediateTimer().interval(), 60000);
  EXPECT_EQ(w.statusPane(3)->text(), "");
}

TEST_F(WindowTest, ChoosingAnotherLanguageRelabelsAtOnce) {
  installLanguageFile();
  MainWindow& w = start();
  ASSERT_EQ(w.texts().CurrentLanguage, "Nederlands");
  const QString dutchTab = w.pageControl()->tabBar()->tabText(0);
  auto* box = w.settingsPage()->miscPage()->findChild<QComboBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isEnabled());
  EXPECT_EQ(box->count(), 2);
  EXPECT_EQ(box->itemText(0), "Nederlands") << "file order";
  const int english = box->findText("English");
  box->setCurrentIndex(english);
  emit box->activated(english);  // as the user's pick
  EXPECT_EQ(w.texts().CurrentLanguage, "English");
  EXPECT_EQ(w.pageControl()->tabBar()->tabText(0), w.texts()[8]);
  EXPECT_NE(w.pageControl()->tabBar()->tabText(0), dutchTab);
  EXPECT_EQ(w.action("actSluiten")->text(), w.texts()[363]);
  EXPECT_EQ(w.ScheduleDays.size(), 8);
  EXPECT_EQ(w.ScheduleDays.first(), "Monday");
  EXPECT_EQ(w.ScheduleDays.last(), w.texts()[362]);
  EXPECT_EQ(w.action("actOptions")->toolTip(), w.texts()[370] + "...");
  EXPECT_TRUE(w.SettingsChanged);
  w.SaveAllSettings();
  EXPECT_EQ(core::ProfileFile(dataFile("arkwellbackup.cfg")).readString("Gui", "Taal"), "English");
}

TEST_F(WindowTest, WithoutLanguageFileTheDesignCaptionsStay) {
  MainWindow& w = start();
  EXPECT_EQ(w.pageControl()->tabBar()->tabText(0), "Backup to disk");
  auto* box = w.settingsPage()->miscPage()->findChild<QComboBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isEnabled());
  EXPECT_EQ(w.texts()[86], "// missing text 86 //");
}

}  // namespace
}  // namespace arkwell::gui
