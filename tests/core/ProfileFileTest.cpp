#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/CoreError.h"
#include "core/CoreTestSupport.h"
#include "core/ProfileFile.h"

namespace arkwell::core {
namespace {

using test::qpath;
using test::readText;
using test::writeText;

TEST(ProfileFile, ReadsLikeWindowsProfiles) {
  test::TempDir dir;
  const QString path = qpath(dir, "a.ini");
  writeText(path,
            "; comment\r\n"
            "[General]\r\n"
            "  Name = Ann Smith  \r\n"
            "name=second wins nothing\r\n"
            "Count=42\r\n"
            "Bad=12abc\r\n"
            "Flag=7\r\n"
            "Off=0\r\n"
            "Long=" +
                QString(3000, 'x') +
                "\r\n"
                "[general]\r\n"
                "Other=in duplicate section\r\n"
                "[Empty]\r\n");
  const ProfileFile ini(path);
  EXPECT_TRUE(ini.existed());
  EXPECT_EQ(ini.readString("GENERAL", "name"), "Ann Smith");
  EXPECT_EQ(ini.readInteger("general", "count", -1), 42);
  EXPECT_EQ(ini.readInteger("General", "Bad", -1), -1) << "not a number gives the default";
  EXPECT_EQ(ini.readInteger("General", "Missing", 5), 5);
  EXPECT_TRUE(ini.readBool("General", "Flag", false)) << "any non-zero integer is true";
  EXPECT_FALSE(ini.readBool("General", "Off", true));
  EXPECT_TRUE(ini.readBool("General", "Bad", true)) << "a boolean that is no number keeps the default";
  EXPECT_EQ(ini.readString("General", "Long").size(), ProfileFile::kMaxValueLength);
  EXPECT_EQ(ini.readString("General", "Other", "dflt"), "dflt") << "the first of duplicate sections is used";
  EXPECT_EQ(ini.readString("Nowhere", "Name", "dflt"), "dflt");
  EXPECT_EQ(ini.sectionNames(), QStringList({"General", "Empty"}));
  EXPECT_EQ(ini.keyNames("general"), QStringList({"Name", "Count", "Bad", "Flag", "Off", "Long"}));
}

TEST(ProfileFile, MissingFileGivesDefaultsAndIsCreatedOnFlush) {
  test::TempDir dir;
  const QString path = qpath(dir, "new.ini");
  ProfileFile ini(path);
  EXPECT_FALSE(ini.existed());
  EXPECT_EQ(ini.readString("S", "K", "dflt"), "dflt");
  EXPECT_TRUE(ini.sectionNames().isEmpty());
  ini.setOwnerOnly(true);
  ini.writeBool("S", "On", true);
  ini.writeBool("S", "Off", false);
  ini.writeInteger("S", "N", -12);
  ini.writeString("T", "Text", "two\r\nlines");
  ini.flush();
  EXPECT_EQ(readText(path), "[S]\nOn=1\nOff=0\nN=-12\n\n[T]\nText=two lines\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.toLocal8Bit().constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(ProfileFile, RewriteKeepsOrderCommentsAndCase) {
  test::TempDir dir;
  const QString path = qpath(dir, "a.ini");
  writeText(path, "[One]\nA=1\n; keep me\nB=2\n\n[Two]\nC=3\n\n[Three]\nD=4\n");
  ProfileFile ini(path);
  ini.writeString("one", "b", "changed");
  ini.writeString("TWO", "New", "x");
  ini.eraseSection("three");
  ini.eraseKey("One", "a");
  ini.writeString("Four", "E", "5");
  ini.flush();
  EXPECT_EQ(readText(path), "[One]\n; keep me\nb=changed\n\n[Two]\nC=3\nNew=x\n\n[Four]\nE=5\n");
}

TEST(ProfileFile, FailedWriteNamesTheFileAndLeavesNothingHalfWritten) {
  test::TempDir dir;
  ProfileFile ini(qpath(dir, "no-such-folder/a.ini"));
  ini.writeString("S", "K", "V");
  try {
    ini.flush();
    FAIL() << "expected an error";
  } catch (const CoreError& e) {
    EXPECT_EQ(e.message(), "Unable to write to " + qpath(dir, "no-such-folder/a.ini"));
  }
}

}  // namespace
}  // namespace arkwell::core
