#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "core/CoreTestSupport.h"
#include "core/FolderRoutines.h"
#include "core/Shutdown.h"
#include "core/SystemInfo.h"
#include "core/TextRoutines.h"
#include "core/UncPath.h"
#include "platform/FileAttributes.h"
#include "support/Sandbox.h"

namespace arkwell::core {
namespace {

using test::qpath;

TEST(TextRoutines, SanitizeName) {
  EXPECT_EQ(SanitizeName("D:\\Data\\My file.txt"), "D__Data_My_file_txt");
  EXPECT_EQ(SanitizeName("/home/ann/Bä r"), "_home_ann_B__r") << "one _ per character";
  EXPECT_EQ(SanitizeName("abcXYZ019"), "abcXYZ019");
  EXPECT_EQ(SanitizeName(""), "");
}

TEST(TextRoutines, ReplaceAllAndReplaceChar) {
  struct Case {
    QString text, search, replacement, expected;
  };
  const Case cases[] = {
      {"a-b-c", "-", "+", "a+b+c"},   {"aaaa", "aa", "a", "a"},  // searched again from the start until none is left
      {"x..y", ".", "..", "x..y"},                               // the replacement holds the search: unchanged
      {"abc", "", "x", "abc"},        {"nothing", "zz", "y", "nothing"},
      {"%20a%20", "%20", " ", " a "}, {"aab", "ab", "ba", "baa"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.search, c.replacement), c.expected) << c.text.toStdString();
  }
  // A pair that keeps making new matches ends (without the bound this call never returns).
  EXPECT_TRUE(ReplaceAll("aab", "ab", "bbaa").startsWith("bb"));
  EXPECT_EQ(ReplaceChar("a|b|c", '|', QChar(0)), QString("a") + QChar(0) + "b" + QChar(0) + "c");
}

TEST(FolderRoutines, EmptyDirectoryKeepsFoldersAndReadOnlyFiles) {
  test::TempDir dir;
  test::writeFile(dir / "box/a.txt", "a");
  test::writeFile(dir / "box/.hidden", "h");
  test::writeFile(dir / "box/sub/deep.txt", "d");
  EXPECT_TRUE(EmptyDirectory(qpath(dir, "box")));
  EXPECT_FALSE(test::fileExists(dir / "box/a.txt"));
  EXPECT_FALSE(test::fileExists(dir / "box/.hidden"));
  EXPECT_TRUE(test::fileExists(dir / "box/sub/deep.txt"));

  test::writeFile(dir / "box/locked.txt", "r");
  test::writeFile(dir / "box/b.txt", "b");
  ASSERT_TRUE(platform::setReadOnly(dir / "box/locked.txt", true));
  EXPECT_FALSE(EmptyDirectory(qpath(dir, "box")));
  EXPECT_TRUE(test::fileExists(dir / "box/locked.txt"));
  EXPECT_FALSE(test::fileExists(dir / "box/b.txt"));
}

TEST(FolderRoutines, FileExistsAnyTakesMasksAndSkipsFolders) {
  test::TempDir dir;
  test::writeFile(dir / "r/BackupReport_2026_01_01__10_00.rep", "x");
  test::makeFolder(dir / "r/folder.rep");
  EXPECT_TRUE(FileExistsAny(qpath(dir, "r/*.rep")));
  EXPECT_TRUE(FileExistsAny(qpath(dir, "r/backupreport_????_*.REP")));
  EXPECT_TRUE(FileExistsAny(qpath(dir, "r/BackupReport_2026_01_01__10_00.rep")));
  EXPECT_FALSE(FileExistsAny(qpath(dir, "r/*.txt")));
  EXPECT_FALSE(FileExistsAny(qpath(dir, "r/folder.rep")));
  EXPECT_FALSE(FileExistsAny(qpath(dir, "missing/*.*")));
}

TEST(UncPath, MapsSharesToTheirCifsMountPoints) {
  const QString mounts =
      "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
      "40 22 0:50 / /mnt/office\\040files rw - cifs //Server/Share rw\n"
      "41 22 0:51 /sub /mnt/partial rw - cifs //server/other rw\n"
      "42 22 0:52 / /media/nfs rw - nfs server:/share rw\n";
  struct Case {
    const char* path;
    const char* expected;
  };
  const Case cases[] = {
      {"\\\\server\\share\\dir", "/mnt/office files/dir"},
      {"\\\\SERVER\\SHARE\\a\\b.txt", "/mnt/office files/a/b.txt"},
      {"\\\\server\\share", "/mnt/office files"},
      {"\\\\server\\unmounted\\dir", ""},
      {"\\\\server\\other\\dir", ""},  // only a subfolder of that share is mounted
      {"D:\\dir", "D:\\dir"},
      {"/home/ann", "/home/ann"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(UncToDrivePath(c.path, mounts), c.expected) << c.path;
  EXPECT_EQ(UncToDrivePath("/home/ann"), "/home/ann");
}

TEST(SystemRoutines, VersionHostAndPowerOff) {
  EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$").match(FileVersionString()).hasMatch());
  EXPECT_FALSE(ComputerNameString().isEmpty());
  std::remove(test::powerOffMarker().c_str());
  EXPECT_TRUE(ShutdownWindows(kPowerOff));
  EXPECT_TRUE(test::fileExists(test::powerOffMarker())) << "the recorder stands in for powering off";
}

}  // namespace
}  // namespace arkwell::core
