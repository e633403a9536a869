#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "core/CoreTestSupport.h"
#include "core/Paths.h"
#include "platform/FileAttributes.h"
#include "support/ScopedEnv.h"

namespace arkwell::core {
namespace {

using test::qpath;
using test::readText;
using test::writeText;

TEST(Paths, RecordHoldsEveryFileOfTheDataFolder) {
  const PathRecord p = makePathRecord("/opt/ab/bin/arkwellbackup", "/var/lib", "/etc");
  EXPECT_EQ(p.DataFolder, "/var/lib/arkwellbackup");
  EXPECT_EQ(p.TempFolder, "/var/lib/arkwellbackup/Temp");
  EXPECT_EQ(p.ReportsFolder, "/var/lib/arkwellbackup/Reports");
  EXPECT_EQ(p.SettingsFile, "/var/lib/arkwellbackup/arkwellbackup.cfg");
  EXPECT_EQ(p.AgentConfigFile, "/var/lib/arkwellbackup/arkwellbackupservice.cfg");
  EXPECT_EQ(p.ImmediateTableFile, "/var/lib/arkwellbackup/IB.csv");
  EXPECT_EQ(p.ImmediateFilesFile, "/var/lib/arkwellbackup/IBFiles.csv");
  EXPECT_EQ(p.ScheduleFile, "/var/lib/arkwellbackup/schedule.csv");
  EXPECT_EQ(p.DiskTableFile, "/var/lib/arkwellbackup/Disk.csv");
  EXPECT_EQ(p.FtpTableFile, "/var/lib/arkwellbackup/FTP.csv");
  EXPECT_EQ(p.NotesFile, "/var/lib/arkwellbackup/Notes.txt");
  EXPECT_EQ(p.IgnoreListFile, "/var/lib/arkwellbackup/Ignorelist.txt");
  EXPECT_EQ(p.LanguageFile, "/var/lib/arkwellbackup/arkwellbackup.lan");
  EXPECT_EQ(p.HelpFileEnglish, "/var/lib/arkwellbackup/arkwellbackuphelp.rtf");
  EXPECT_EQ(p.HelpFileDutch, "/var/lib/arkwellbackup/arkwellbackuphelp_NL.rtf");
  EXPECT_EQ(p.AgentExecutable, "/opt/ab/bin/ArkwellBackupService");
  ASSERT_EQ(p.OldLocations.size(), 11);
  EXPECT_EQ(p.OldLocations[0].oldFile, "/etc/arkwellbackup.ini");
  EXPECT_EQ(p.OldLocations[0].newFile, p.SettingsFile);
  EXPECT_EQ(p.OldLocations[3].oldFile, "/opt/ab/bin/arkwellbackup.sch");
  EXPECT_EQ(p.OldLocations[8].oldFile, "/opt/ab/bin/arkwellbackup.lan");
  EXPECT_EQ(p.OldLocations[10].oldFile, "/opt/ab/bin/arkwellbackuphelp_NL.rtf");
}

using test::ScopedEnv;

TEST(Paths, InitPathsCreatesTheFoldersAndReportsFailures) {
  test::TempDir dir;
  {
    ScopedEnv appData("ARKWELLBACKUP_APPDATA", dir / "appdata");
    EXPECT_EQ(InitPaths("/opt/ab/arkwellbackup"), 0);
    EXPECT_EQ(TFenP.DataFolder, qpath(dir, "appdata/arkwellbackup"));
    EXPECT_TRUE(test::fileExists(dir / "appdata/arkwellbackup/Temp"));
    EXPECT_TRUE(test::fileExists(dir / "appdata/arkwellbackup/Reports"));
  }
  {
    test::writeFile(dir / "blocked", "a file where a folder should go");
    ScopedEnv appData("ARKWELLBACKUP_APPDATA", dir / "blocked");
    EXPECT_EQ(InitPaths("/opt/ab/arkwellbackup"),
              kDataFolderNotCreated | kTempFolderNotCreated | kReportsFolderNotCreated);
  }
}

TEST(Paths, MigrationMovesOldFilesOnceAndTheOldOneWins) {
  test::TempDir dir;
  ScopedEnv appData("ARKWELLBACKUP_APPDATA", dir / "appdata");
  ScopedEnv sysDir("ARKWELLBACKUP_SYSDIR", dir / "windows");
  writeText(qpath(dir, "windows/arkwellbackup.ini"), "[Gui]\nTaal=English\n");
  writeText(qpath(dir, "prog/arkwellbackup.csv"), "old disk table\r\n");
  writeText(qpath(dir, "prog/arkwellbackup.lan"), "[English]\n");
  ASSERT_EQ(InitPaths(qpath(dir, "prog/arkwellbackup")), 0);
  writeText(TFenP.SettingsFile, "[Gui]\nTaal=Nederlands\n");

  MigrateOldFiles();
  EXPECT_EQ(readText(TFenP.SettingsFile), "[Gui]\nTaal=English\n");
  EXPECT_EQ(readText(TFenP.DiskTableFile), "old disk table\r\n");
  EXPECT_EQ(readText(TFenP.LanguageFile), "[English]\n");
  EXPECT_FALSE(test::fileExists(dir / "windows/arkwellbackup.ini"));
  EXPECT_FALSE(test::fileExists(dir / "prog/arkwellbackup.csv"));

  writeText(TFenP.SettingsFile, "[Gui]\nTaal=Nederlands\n");
  MigrateOldFiles();
  EXPECT_EQ(readText(TFenP.SettingsFile), "[Gui]\nTaal=Nederlands\n") << "nothing left to move";
}

TEST(Paths, MoveOldFileKeepsReadOnlyAndReportsFailureBits) {
  test::TempDir dir;
  const QString old = qpath(dir, "old.txt");
  EXPECT_EQ(MoveOldFile(true, old, qpath(dir, "new.txt")), 0) << "nothing to move";

  writeText(old, "contents");
  ASSERT_TRUE(platform::setReadOnly(old.toStdString(), true));
  writeText(qpath(dir, "data/new.txt"), "older");
  ASSERT_TRUE(platform::setReadOnly(dir / "data/new.txt", true));
  EXPECT_EQ(MoveOldFile(true, old, qpath(dir, "data/new.txt")), 0);
  EXPECT_EQ(readText(qpath(dir, "data/new.txt")), "contents");
  EXPECT_TRUE(platform::isReadOnly(dir / "data/new.txt")) << "the copy keeps the read-only attribute";
  EXPECT_FALSE(test::fileExists(old.toStdString()));

  writeText(old, "again");
  test::writeFile(dir / "plainfile", "x");
  EXPECT_EQ(MoveOldFile(true, old, qpath(dir, "plainfile/sub/new.txt")), kMoveFolderNotCreated);
  test::makeFolder(dir / "adir");
  EXPECT_EQ(MoveOldFile(true, old, qpath(dir, "adir")), kMoveCopyFailed);
  EXPECT_EQ(readText(old), "again") << "an old file whose copy failed is kept";
  EXPECT_EQ(MoveOldFile(false, old, qpath(dir, "kept.txt")), 0);
  EXPECT_TRUE(test::fileExists(old.toStdString())) << "without the delete flag the old file stays";
}

TEST(Paths, AnOldFileThatCannotBeDeletedIsNotCopiedAgainAndAgain) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may delete anywhere";
  test::TempDir dir;
  writeText(qpath(dir, "etc/arkwellbackup.ini"), "[Gui]\nTaal=English\n");
  writeText(qpath(dir, "data/arkwellbackup.cfg"), "[Gui]\nTaal=Nederlands\n");
  ASSERT_EQ(::chmod((dir / "etc").c_str(), 0555), 0);
  EXPECT_EQ(MoveOldFile(true, qpath(dir, "etc/arkwellbackup.ini"), qpath(dir, "data/arkwellbackup.cfg")),
            kMoveOldNotDeleted);
  EXPECT_EQ(readText(qpath(dir, "data/arkwellbackup.cfg")), "[Gui]\nTaal=Nederlands\n");
  ::chmod((dir / "etc").c_str(), 0755);
}

}  // namespace
}  // namespace arkwell::core
