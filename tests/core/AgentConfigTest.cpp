#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/CoreTestSupport.h"
#include "core/PasswordScrambler.h"
#include "core/ProfileFile.h"
#include "core/SettingsStore.h"
#include "core/SystemInfo.h"

namespace arkwell::core {
namespace {

class AgentConfig : public ::testing::Test {
 protected:
  test::TempDir dir;
  PathRecord paths = makePathRecord("/opt/x/arkwellbackup", QString::fromStdString(dir.path()), "/nowhere");
  ProgramData data;

  void SetUp() override {
    test::makeFolder(paths.DataFolder.toStdString());
    data.settings.ftpServers[1] = {"Office", "ftp.local", "/bk", true, true, "ftp-secret", "2121", "ann"};
    data.settings.proxyPassword = "proxy-secret";
    data.settings.serviceAccount = "svc";
    data.settings.servicePassword = "svc-secret";
    data.settings.recipients = {"a@x", "b@x", "c@x"};
    data.diskJobs = Table({diskTableLayout().designTitles,
                           {"Y", "Docs", "/home/a", "*.*", "Y", "/backup", "-"},
                           {"N", "Mail", "/m", "*.eml", "N", "/b2", "-"}});
    data.schedule = Table(
        {scheduleTableLayout().designTitles, {"Y", "Maandag", "10:00", "Y", "N", "N", "N", "N", "111000:01000", "N"}});
  }
  ProfileFile write() {
    WriteAgentConfig(paths, data, {"nul", "een", "twee"});
    return ProfileFile(paths.AgentConfigFile);
  }
};

TEST_F(AgentConfig, SectionsAndKeysInOrderWithTheirPasswordForms) {
  const ProfileFile ini = write();
  EXPECT_EQ(ini.sectionNames(), QStringList({"General", "Schedule", "DiskBackup", "FTP", "ImBackup", "Internet", "Misc",
                                             "Reports", "Ignore", "Language"}));
  EXPECT_EQ(ini.keyNames("General"),
            QStringList({"path", "ver", "host", "Debugmode", "System", "serviceaccount", "servicepassword"}));
  EXPECT_EQ(ini.readString("General", "path"), paths.DataFolder + "/");
  EXPECT_EQ(ini.readString("General", "ver"), FileVersionString());
  EXPECT_EQ(ini.readString("General", "host"), ComputerNameString());
  EXPECT_EQ(ini.readString("General", "servicepassword"), ScramblePassword("svc-secret"));
  EXPECT_EQ(ini.readString("General", "serviceaccount"), ScramblePassword("svc"));
  EXPECT_EQ(ini.readString("FTP", "Password2"), "ftp-secret") << "the agent gets FTP passwords in clear";
  EXPECT_EQ(ini.readString("FTP", "Port2"), "2121");
  EXPECT_EQ(ini.readString("FTP", "Passive2"), "1");
  EXPECT_EQ(ini.readString("Internet", "ProxyPassword"), "proxy-secret");

  EXPECT_EQ(ini.readString("Schedule", "count"), "1");
  EXPECT_EQ(ini.readString("Schedule", "1"), "111000:01000");
  EXPECT_EQ(ini.readInteger("DiskBackup", "Count", -1), 2);
  EXPECT_EQ(ini.readString("DiskBackup", "Name0"), diskTableLayout().designTitles[1]) << "row 0 holds the titles";
  EXPECT_EQ(ini.readString("DiskBackup", "Mask2"), "*.eml");
  EXPECT_EQ(ini.readString("DiskBackup", "Destination1"), "/backup");
  const QStringList diskKeys = ini.keyNames("DiskBackup");
  EXPECT_EQ(diskKeys.mid(0, 14),
            QStringList({"DefaultTarget", "RunBefore", "RunAfter", "RemoveAfter", "MinKeep", "SDDelay", "Count",
                         "Active0", "Name0", "Source0", "Mask0", "SubDirs0", "Destination0", "Last0"}));
  EXPECT_EQ(ini.readInteger("FTP", "Count", -1), 1) << "the design table's one empty row";
  EXPECT_EQ(ini.keyNames("Reports"), QStringList({"Create", "FileDetails", "Save", "ReportPath", "Remove", "Sendmail",
                                                  "Smptserver", "From", "To", "To_1", "To_2", "Subject"}));
  EXPECT_EQ(ini.readInteger("Ignore", "count", -1), IgnoreList::defaultEntries().size());
  EXPECT_EQ(ini.readString("Ignore", "1"), IgnoreList::defaultEntries().first());
  EXPECT_EQ(ini.readInteger("Language", "Count", -1), 3);
  EXPECT_EQ(ini.readString("Language", "2"), "twee");

  struct stat st {};
  ASSERT_EQ(::stat(paths.AgentConfigFile.toLocal8Bit().constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0077, 0u) << "clear passwords: readable by the owner only";
}

TEST_F(AgentConfig, EmptiedTablesAndListsLeaveNoStaleRows) {
  write();
  data.diskJobs = Table({diskTableLayout().designTitles});
  data.schedule = Table({scheduleTableLayout().designTitles});
  data.ignoreList = IgnoreList(QStringList{});
  data.settings.recipients = {"a@x"};
  const ProfileFile ini = write();
  EXPECT_EQ(ini.readInteger("DiskBackup", "Count", -1), 0);
  EXPECT_EQ(ini.keyNames("DiskBackup"),
            QStringList({"DefaultTarget", "RunBefore", "RunAfter", "RemoveAfter", "MinKeep", "SDDelay", "Count"}));
  EXPECT_EQ(ini.keyNames("Schedule"), QStringList({"count"}));
  EXPECT_EQ(ini.readInteger("Schedule", "count", -1), 0);
  EXPECT_EQ(ini.keyNames("Ignore"), QStringList({"count"}));
  EXPECT_FALSE(ini.keyExists("Reports", "To_1"));
  EXPECT_EQ(ini.readString("FTP", "Naam2"), "Office") << "server slots are no table rows";
}

}  // namespace
}  // namespace arkwell::core
