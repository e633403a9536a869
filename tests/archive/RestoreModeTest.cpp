#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "archive/ArchiveTestSupport.h"
#include "archive/BackupFile.h"
#include "platform/DosDateTime.h"
#include "support/TempDir.h"

namespace arkwell::archive {
namespace {

enum class Existing { none, older, same, newer };

TEST(RestoreMode, DecidesByPresenceAndDosDate) {
  struct Case {
    TRestoreMode mode;
    Existing existing;
    bool restored;
  };
  const Case cases[] = {
      {rmAll, Existing::none, true},
      {rmAll, Existing::newer, true},
      {rmNoOverwrite, Existing::none, true},
      {rmNoOverwrite, Existing::older, false},
      {rmNewer, Existing::none, true},
      {rmNewer, Existing::older, true},
      {rmNewer, Existing::same, false},
      {rmNewer, Existing::newer, false},
      {rmExisting, Existing::none, false},
      {rmExisting, Existing::newer, true},
      {rmExistingNewer, Existing::none, false},
      {rmExistingNewer, Existing::older, true},
      {rmExistingNewer, Existing::same, false},
  };
  const std::time_t stored = test::localMoment(2024, 3, 10, 8, 0, 0);
  for (const Case& c : cases) {
    test::TempDir dir;
    test::writeFile(dir / "src/a.txt", "archived");
    test::setMtime(dir / "src/a.txt", stored);
    TBackupFile engine;
    ASSERT_TRUE(engine.Backup({dir / "src/a.txt"}, dir / "a.KBU"));
    if (c.existing != Existing::none) {
      test::writeFile(dir / "out/a.txt", "present");
      const std::time_t when = c.existing == Existing::older  ? stored - 2
                               : c.existing == Existing::same ? stored + 1  // same DOS number (odd second)
                                                              : stored + 60;
      test::setMtime(dir / "out/a.txt", when);
    }
    engine.RestoreMode = c.mode;
    ASSERT_TRUE(engine.Restore(dir / "a.KBU", dir / "out")) << engine.ErrorMessage();
    const bool wasRestored = test::fileExists(dir / "out/a.txt") && test::readFile(dir / "out/a.txt") == "archived";
    EXPECT_EQ(wasRestored, c.restored) << "mode " << c.mode << " existing " << static_cast<int>(c.existing);
    EXPECT_EQ(engine.FilesDone(), c.restored ? 1 : 0);
  }
}

class RestorePlacement : public ::testing::Test {
 protected:
  test::TempDir dir;
  TBackupFile engine;
};

TEST_F(RestorePlacement, EmptyTargetRestoresToTheStoredPathAndKeepStructureBuildsFolders) {
  test::writeFile(dir / "src/sub/a.txt", "A");
  ASSERT_TRUE(engine.Backup({dir / "src/*.* /s"}, dir / "a.KBU"));
  ::unlink((dir / "src/sub/a.txt").c_str());
  ASSERT_TRUE(engine.Restore(dir / "a.KBU", ""));
  EXPECT_EQ(test::readFile(dir / "src/sub/a.txt"), "A");

  engine.RestoreFullPath = true;
  ASSERT_TRUE(engine.Restore(dir / "a.KBU", dir / "out"));
  EXPECT_EQ(test::readFile(dir / "out" + dir.path() + "/src/sub/a.txt"), "A");
}

TEST_F(RestorePlacement, HandlerCanRedirectOrRefuseAndSeesTheStoredDate) {
  test::writeFile(dir / "src/a.txt", "A");
  test::writeFile(dir / "src/b.txt", "B");
  ASSERT_TRUE(engine.Backup({dir / "src/*.*"}, dir / "a.KBU"));
  const int32_t date = platform::fileDosDateTime(dir / "src/a.txt");
  std::vector<std::string> progressed;
  engine.OnRestoreFile = [&](TBackupFile&, std::string& name, int32_t fa, bool& doRestore) {
    EXPECT_EQ(fa, date);
    if (name.ends_with("a.txt"))
      name = dir / "elsewhere/renamed.txt";
    else
      doRestore = false;
  };
  engine.OnProgress = [&](TBackupFile&, const std::string& f, int, bool&) { progressed.push_back(f); };
  ASSERT_TRUE(engine.Restore(dir / "a.KBU", dir / "out"));
  EXPECT_EQ(test::readFile(dir / "elsewhere/renamed.txt"), "A");
  EXPECT_FALSE(test::fileExists(dir / "out/b.txt"));
  EXPECT_EQ(progressed.front(), dir / "elsewhere/renamed.txt");
  EXPECT_EQ(engine.FilesDone(), 1);
}

TEST_F(RestorePlacement, FileRestoredHandlerGetsTheOpenFileBeforeTheDateIsSet) {
  test::writeFile(dir / "src/a.txt", "A");
  ASSERT_TRUE(engine.Backup({dir / "src/a.txt"}, dir / "a.KBU"));
  engine.OnFileRestored = [&](TBackupFile&, std::string& name, int fd) {
    struct stat st {};
    ASSERT_EQ(::fstat(fd, &st), 0);
    EXPECT_EQ(st.st_size, 1);
    ::chmod(name.c_str(), 0444);  // as the restore-attribute handler does
  };
  ASSERT_TRUE(engine.Restore(dir / "a.KBU", dir / "out"));
  EXPECT_EQ(platform::fileDosDateTime(dir / "out/a.txt"), platform::fileDosDateTime(dir / "src/a.txt"));
}

}  // namespace
}  // namespace arkwell::archive
