#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <algorithm>

#include "archive/ArchiveTestSupport.h"
#include "archive/BackupFile.h"
#include "archive/FileSelectionScanner.h"
#include "platform/FileAttributes.h"
#include "support/TempDir.h"

namespace arkwell::archive {
namespace {

std::vector<std::string> storedNames(const std::string& archive) {
  std::vector<std::string> names;
  for (const auto& e : test::parseVolume(test::readFile(archive), true).entries) names.push_back(e.name);
  return names;
}

class Selection : public ::testing::Test {
 protected:
  void SetUp() override {
    TBackupFile::ExcludeList.clear();
    TBackupFile::SkippedFiles.clear();
    for (const char* f : {"a.txt", "b.doc", "Cache/c.txt", "sub/d.txt", "sub/deep/e.TXT", "/s/f.txt"}) {
      test::writeFile(dir / (std::string("src/") + f), f);
    }
  }
  void TearDown() override { TBackupFile::ExcludeList.clear(); }
  std::string src(const std::string& rel) const { return dir / ("src/" + rel); }
  test::TempDir dir;
  TBackupFile engine;
};

TEST_F(Selection, SelectionLinesChooseFilesByMaskAndTrailingSwitch) {
  struct Case {
    std::string line;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {src("*.txt"), {src("a.txt")}},
      {src("*.txt /s"), {src("Cache/c.txt"), src("s/f.txt"), src("sub/deep/e.TXT"), src("sub/d.txt"), src("a.txt")}},
      {src("sub/*.* /s"), {src("sub/deep/e.TXT"), src("sub/d.txt")}},
      {"  " + src("*.doc") + "  ", {src("b.doc")}},
      {src("s/*.*"), {src("s/f.txt")}},  // "/s" inside a path is no switch
      {src("b.doc"), {src("b.doc")}},    // a line naming a file
      {src("missing/*.*"), {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(engine.Backup({c.line}, dir / "a.KBU")) << c.line << ": " << engine.ErrorMessage();
    EXPECT_EQ(storedNames(dir / "a.KBU"), c.expected) << c.line;
  }
}

TEST_F(Selection, ExclusionsIgnoreCaseButANamedFileIsAlwaysStored) {
  TBackupFile::ExcludeList = {"cache/", "", "DEEP"};
  ASSERT_TRUE(engine.Backup({src("*.* /s"), src("Cache/c.txt")}, dir / "a.KBU"));
  const std::vector<std::string> expected = {src("s/f.txt"), src("sub/d.txt"), src("a.txt"), src("b.doc"),
                                             src("Cache/c.txt")};
  EXPECT_EQ(storedNames(dir / "a.KBU"), expected);
}

TEST_F(Selection, TheArchiveItselfIsLeftOutButOlderArchivesAreStored) {
  test::writeFile(src("old.KBU"), "older archive");
  test::writeFile(src("now.KBU"), "stale file of the same name");
  ASSERT_TRUE(engine.Backup({src("*.KBU")}, src("now.KBU")));
  EXPECT_EQ(storedNames(src("now.KBU")), std::vector<std::string>{src("old.KBU")});
}

TEST_F(Selection, IncrementalStoresFlaggedFilesAndClearsTheirFlagsOnlyOnSuccess) {
  if (::setxattr(src("a.txt").c_str(), "user.arkwell.probe", "1", 1, 0) != 0) {
    GTEST_SKIP() << "no extended attributes in " << dir.path();
  }
  for (const char* f : {"a.txt", "b.doc", "sub/d.txt"}) ASSERT_TRUE(platform::clearArchiveFlag(src(f)));
  test::writeFile(src("b.doc"), "changed");

  std::vector<int64_t> scanned;
  engine.OnCounter = [&](TBackupFile&, int64_t, int64_t files, const std::string& dir) {
    if (dir == "-1" && scanned.empty()) scanned.push_back(files);
  };
  engine.SetBackupMode(bmIncremental);
  EXPECT_TRUE(engine.SetArchiveFlag) << "incremental mode switches flag clearing on";
  ASSERT_TRUE(engine.Backup({src("*.*"), src("a.txt")}, dir / "i.KBI"));
  EXPECT_EQ(storedNames(dir / "i.KBI"), (std::vector<std::string>{src("b.doc"), src("a.txt")}))
      << "a named file is stored whatever its flag";
  EXPECT_EQ(scanned, std::vector<int64_t>{2}) << "files with a clear flag still count as found";
  EXPECT_FALSE(platform::isArchiveFlagSet(src("b.doc")));

  // A run that fails keeps every flag set: its archive is thrown away.
  test::writeFile(src("b.doc"), "changed again");
  test::writeFile(src("z.doc"), "new");
  EXPECT_FALSE(engine.Backup({src("*.doc")}, dir / "no-such-folder/i.KBI"));
  EXPECT_TRUE(platform::isArchiveFlagSet(src("b.doc")));
  EXPECT_TRUE(platform::isArchiveFlagSet(src("z.doc")));

  engine.SetBackupMode(bmAll);
  engine.SetArchiveFlag = false;
  ASSERT_TRUE(engine.Backup({src("*.doc")}, dir / "f.KBU"));
  EXPECT_TRUE(platform::isArchiveFlagSet(src("z.doc"))) << "full backups without clearing leave flags alone";
}

TEST_F(Selection, UnreadableFilesAreSkippedWhileMeasuring) {
  if (::geteuid() == 0) {
    // root reads everything: a FIFO stands in for a file nobody can read.
    ASSERT_EQ(::mkfifo(src("pipe.txt").c_str(), 0644), 0);
  } else {
    test::writeFile(src("locked.txt"), "x");
    ::chmod(src("locked.txt").c_str(), 0);
  }
  const std::string named = ::geteuid() == 0 ? src("pipe.txt") : src("locked.txt");
  ASSERT_TRUE(engine.Backup({src("a.txt"), named}, dir / "a.KBU")) << engine.ErrorMessage();
  EXPECT_EQ(storedNames(dir / "a.KBU"), std::vector<std::string>{src("a.txt")});
  if (::geteuid() != 0) {
    EXPECT_EQ(TBackupFile::SkippedFiles, std::vector<std::string>{named});
  }
}

TEST(SelectionLine, OnlyATrailingBlankSlashSIsTheRecursiveSwitch) {
  struct Case {
    const char* line;
    const char* folder;
    const char* mask;
    bool recursive;
  };
  const Case cases[] = {
      {"/data/*.* /s", "/data", "*.*", true},
      {"/data/*.*", "/data", "*.*", false},
      {"/data/s/*.txt", "/data/s", "*.txt", false},
      {"/data/*.* /S", "/data/*.* ", "S", false},
      {"  /data/x/*.doc   /s ", "/data/x", "*.doc", true},
      {"/*.cfg", "", "*.cfg", false},
  };
  for (const Case& c : cases) {
    const SelectionLine spec = parseSelectionLine(c.line);
    EXPECT_EQ(spec.folder, c.folder) << c.line;
    EXPECT_EQ(spec.mask, c.mask) << c.line;
    EXPECT_EQ(spec.recursive, c.recursive) << c.line;
  }
}

}  // namespace
}  // namespace arkwell::archive
