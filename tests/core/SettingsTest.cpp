#include <gtest/gtest.h>

#include <QFileInfo>

#include "core/CoreTestSupport.h"
#include "core/GridColumnWidths.h"
#include "core/PasswordScrambler.h"
#include "core/ProfileFile.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"

namespace arkwell::core {
namespace {

using test::qpath;
using test::readText;
using test::writeText;

TEST(Settings, NoFileKeepsFirstStartValues) {
  test::TempDir dir;
  Settings s;
  s.diskMaxDays = 99;  // must stay untouched
  EXPECT_FALSE(loadSettings(qpath(dir, "missing.cfg"), s, qpath(dir, "Reports")));
  EXPECT_EQ(s.diskMaxDays, 99);

  const Settings first;
  EXPECT_EQ(first.language, "Nederlands");
  EXPECT_EQ(first.internetAccess, 1);
  EXPECT_EQ(first.immediateEvery, 5);
  EXPECT_EQ(first.immediateRemove, 1440);
  EXPECT_FALSE(first.reportsCreate);
  EXPECT_FALSE(first.reportsSave);
  EXPECT_EQ(first.reportsRemoveDays, 14);
  EXPECT_EQ(first.diskMaxDays, 14);
  EXPECT_EQ(first.diskMinKeep, 3);
  EXPECT_EQ(first.ftpMaxDays, 14);
  EXPECT_EQ(first.ftpMinKeep, 3);
  EXPECT_EQ(first.shutdownDelay, 5);
  EXPECT_TRUE(first.systemAccount);
  EXPECT_FALSE(first.detailsVisible);
}

TEST(Settings, MissingKeysTakeTheirOwnDefaults) {
  test::TempDir dir;
  const QString path = qpath(dir, "arkwellbackup.cfg");
  writeText(path, "[Backups]\nMaxTijd=abc\n[Reports]\nsavedir=   \n");
  Settings s;
  ASSERT_TRUE(loadSettings(path, s, qpath(dir, "Reports")));
  EXPECT_EQ(s.diskMaxDays, 8) << "a value that is not a number counts as missing";
  EXPECT_EQ(s.diskMinKeep, 6);
  EXPECT_EQ(s.shutdownDelay, 60);
  EXPECT_EQ(s.ftpMaxDays, 10);
  EXPECT_EQ(s.ftpMinKeep, 10);
  EXPECT_TRUE(s.reportsCreate);
  EXPECT_TRUE(s.reportsSave);
  EXPECT_FALSE(s.reportsFileDetails);
  EXPECT_EQ(s.reportsRemoveDays, 12);
  EXPECT_EQ(s.reportsSaveDir, qpath(dir, "Reports")) << "a blank report folder becomes the data folder's";
  EXPECT_TRUE(test::fileExists(dir / "Reports"));
  EXPECT_EQ(s.internetAccess, 1);
  EXPECT_EQ(s.immediateEvery, 5);
  EXPECT_EQ(s.immediateRemove, 1440);
  EXPECT_TRUE(s.systemAccount);
  EXPECT_EQ(s.language, "Nederlands");
  EXPECT_TRUE(s.recipients.isEmpty());
}

Settings everySettingChanged() {
  Settings s;
  for (int i = 0; i < Settings::kFtpServerCount; ++i) {
    FtpServerSettings& f = s.ftpServers[i];
    const QString n = QString::number(i + 1);
    f = {"name" + n, "host" + n, "/base" + n, i % 2 == 0, i % 2 == 1, "pw," + n, "21" + n, "user" + n};
  }
  s.ftpMaxDays = 30;
  s.ftpMinKeep = 4;
  s.detailsVisible = true;
  s.debugMode = true;
  s.systemAccount = false;
  s.serviceAccount = "svc";
  s.servicePassword = "svc-pw";
  s.internetAccess = 2;
  s.proxyServer = "proxy:8080";
  s.proxyUserId = "puser";
  s.proxyPassword = "ppw";
  s.immediateTargetDir = "/ib";
  s.immediateEvery = 7;
  s.immediateRemove = 90;
  s.reportsCreate = true;
  s.reportsFileDetails = true;
  s.reportsSave = true;
  s.reportsSaveDir = "/reports";
  s.reportsRemoveDays = 33;
  s.diskMaxDays = 21;
  s.diskMinKeep = 2;
  s.shutdownDelay = 120;
  s.defaultDir = "/backup";
  s.runBefore = "/bin/before --x";
  s.runAfter = "/bin/after";
  s.mailSend = true;
  s.mailSmtp = "127.0.0.1";
  s.mailFrom = "me@example.org";
  s.recipients = {"a@example.org", "b@example.org"};
  s.mailSubject = "Backup";
  s.language = "English";
  return s;
}

TEST(Settings, EverySettingSurvivesSaveAndLoad) {
  test::TempDir dir;
  const QString path = qpath(dir, "arkwellbackup.cfg");
  const Settings saved = everySettingChanged();
  saveSettings(path, saved);
  Settings loaded;
  ASSERT_TRUE(loadSettings(path, loaded, qpath(dir, "Reports")));
  EXPECT_EQ(loaded, saved);
  // Passwords are scrambled in the file, never in clear.
  const ProfileFile ini(path);
  EXPECT_EQ(ini.readString("FTP-1", "Password"), ScramblePassword("pw,1"));
  EXPECT_EQ(ini.readString("internet", "Password"), ScramblePassword("ppw"));
  EXPECT_EQ(ini.readString("General", "servicepassword"), ScramblePassword("svc-pw"));
  EXPECT_EQ(ini.sectionNames(),
            QStringList({"FTP-1", "FTP-2", "FTP-3", "FTP-4", "FTP-5", "FTP", "internet", "Immediate", "General", "Gui",
                         "Doel", "FullDiskBackup", "Backups", "Mail", "Reports"}));
  EXPECT_FALSE(readText(path).contains("pw,1"));
}

TEST(Settings, FolderAndCommandFieldsAreTrimmedOnSave) {
  test::TempDir dir;
  const QString path = qpath(dir, "arkwellbackup.cfg");
  Settings s;
  s.defaultDir = "  /backup  ";
  s.runBefore = " cmd ";
  saveSettings(path, s);
  EXPECT_EQ(ProfileFile(path).readString("Doel", "DefaultDir"), "/backup");
  EXPECT_EQ(ProfileFile(path).readString("FullDiskBackup", "RunBefore"), "cmd");
}

TEST(Settings, ServerStringsAreCutAndRecipientsLimited) {
  test::TempDir dir;
  const QString path = qpath(dir, "arkwellbackup.cfg");
  Settings s;
  s.ftpServers[0].host = QString(150, 'h');
  s.recipients = {"r1", "r2", "r3", "r4", "r5", "r6", "r7"};
  saveSettings(path, s);
  const ProfileFile ini(path);
  EXPECT_EQ(ini.readString("Mail", "To_6"), "r7") << "all seven are written";
  Settings loaded;
  loadSettings(path, loaded, {});
  EXPECT_EQ(loaded.ftpServers[0].host, QString(100, 'h'));
  EXPECT_EQ(loaded.recipients, QStringList({"r1", "r2", "r3", "r4", "r5", "r6"}));

  // Blank lines are skipped; a shorter list erases the stale keys.
  s.recipients = {"only"};
  saveSettings(path, s);
  EXPECT_FALSE(ProfileFile(path).keyExists("Mail", "To_1"));
  writeText(path, "[Mail]\nTo=  \nTo_1=x@y\nTo_2=\nTo_3=z@y\n");
  loadSettings(path, loaded, {});
  EXPECT_EQ(loaded.recipients, QStringList({"x@y", "z@y"}));
}

TEST(Settings, ServiceInstallRequestIsItsOwnKey) {
  test::TempDir dir;
  const QString path = qpath(dir, "arkwellbackup.cfg");
  writeText(path, "[Service]\nInstall=1\n[Gui]\nTaal=English\n");
  EXPECT_TRUE(readServiceInstallRequest(path, false));
  clearServiceInstallRequest(path);
  EXPECT_FALSE(readServiceInstallRequest(path, true));
  EXPECT_EQ(ProfileFile(path).readString("Gui", "Taal"), "English");
}

TEST(SaveAllSettings, WritesEveryStoreInOrderAndLoadsBack) {
  test::TempDir dir;
  const PathRecord paths = makePathRecord("/opt/x/arkwellbackup", QString::fromStdString(dir.path()), "/nowhere");
  test::makeFolder(paths.DataFolder.toStdString());
  ProgramData data;
  data.settings = everySettingChanged();
  data.diskJobs.appendRow({"Y", "Docs", "/home/a", "*.txt", "N", "/backup", "-"});
  data.notes = "first line\nsecond, \"quoted\" line";
  data.ignoreList.insert("\\cache\\");
  QStringList grids;
  SaveAllSettings(paths, data, {"t0", "t1"}, [&](const QString& grid) {
    grids << grid;
    EXPECT_TRUE(QFileInfo::exists(grid == "SCHGrid" ? paths.AgentConfigFile : paths.DiskTableFile));
  });
  EXPECT_EQ(grids, QStringList({"BDGrid", "FTPGrid", "IBGrid", "IBFilesGrid", "IBRestoreGrid", "SCHGrid"}));

  ProgramData loaded;
  loadProgramData(paths, loaded);
  EXPECT_TRUE(loaded.settingsFileExisted);
  EXPECT_EQ(loaded.settings, data.settings);
  EXPECT_EQ(loaded.diskJobs, data.diskJobs);
  EXPECT_EQ(loaded.ftpJobs, data.ftpJobs);
  EXPECT_EQ(loaded.schedule, data.schedule);
  EXPECT_EQ(loaded.notes, data.notes);
  EXPECT_EQ(loaded.ignoreList.entries(), data.ignoreList.entries());
}

TEST(SaveAllSettings, AFileThatCouldNotBeReadIsNeverWrittenOver) {
  test::TempDir dir;
  const PathRecord paths = makePathRecord("/opt/x/arkwellbackup", QString::fromStdString(dir.path()), "/nowhere");
  test::makeFolder(paths.DataFolder.toStdString());
  test::makeFolder(paths.NotesFile.toStdString());  // a folder where the notes should be: unreadable
  test::writeText(paths.IgnoreListFile, "\\mine\\\n");
  test::writeText(paths.SettingsFile, "[Gui]\nTaal=English\n");
  ProgramData data;
  const QStringList errors = loadProgramData(paths, data);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(paths.NotesFile));
  EXPECT_EQ(data.unreadableFiles, QStringList{paths.NotesFile});
  EXPECT_EQ(data.ignoreList.entries(), QStringList{"\\mine\\"}) << "the files after it are still read";
  EXPECT_EQ(data.settings.language, "English");
  EXPECT_TRUE(data.settingsFileExisted);

  SaveAllSettings(paths, data, {});
  EXPECT_TRUE(QFileInfo(paths.NotesFile).isDir());
  EXPECT_FALSE(QFileInfo::exists(paths.AgentConfigFile)) << "no agent configuration made from defaults";
  EXPECT_EQ(ProfileFile(paths.SettingsFile).readString("Gui", "Taal"), "English");
}

TEST(GridColumnWidths, StoredPerGridAndMissingAsMinusOne) {
  saveColumnWidths("TestGrid", {40, 120, 75});
  EXPECT_EQ(loadColumnWidths("TestGrid", 4), QList<int>({40, 120, 75, -1}));
  EXPECT_EQ(loadColumnWidths("OtherGrid", 2), QList<int>({-1, -1}));
}

}  // namespace
}  // namespace arkwell::core
