#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include "platform/FileAttributes.h"
#include "platform/TempFile.h"
#include "support/TempDir.h"

namespace arkwell::platform {
namespace {

bool xattrsWork(const std::string& path) {
  return ::setxattr(path.c_str(), "user.arkwell.probe", "1", 1, 0) == 0;
}

TEST(FileAttributes, ArchiveFlagFollowsChangesAfterClearing) {
  test::TempDir dir;
  const std::string path = dir / "a.txt";
  test::writeFile(path, "one");
  if (!xattrsWork(path)) GTEST_SKIP() << "no extended attributes on " << dir.path();

  EXPECT_TRUE(isArchiveFlagSet(path)) << "a new file is marked as changed";
  ASSERT_TRUE(clearArchiveFlag(path));
  EXPECT_FALSE(isArchiveFlagSet(path));

  test::writeFile(path, "two!");  // size and time change
  EXPECT_TRUE(isArchiveFlagSet(path));

  ASSERT_TRUE(clearArchiveFlag(path));
  ASSERT_TRUE(setArchiveFlag(path));
  EXPECT_TRUE(isArchiveFlagSet(path));
}

TEST(FileAttributes, ClearingKeepsTheFlagWhenTheFileChangedSinceItWasRead) {
  test::TempDir dir;
  const std::string path = dir / "a.txt";
  test::writeFile(path, "before");
  if (!xattrsWork(path)) GTEST_SKIP() << "no extended attributes on " << dir.path();
  struct stat asRead {};
  ASSERT_EQ(::stat(path.c_str(), &asRead), 0);
  test::writeFile(path, "after, longer");
  ASSERT_TRUE(clearArchiveFlag(path, asRead));
  EXPECT_TRUE(isArchiveFlagSet(path));
}

TEST(FileAttributes, ReadOnlyFileCanHaveItsFlagClearedAndStaysReadOnly) {
  test::TempDir dir;
  const std::string path = dir / "ro.txt";
  test::writeFile(path, "x");
  if (!xattrsWork(path)) GTEST_SKIP() << "no extended attributes on " << dir.path();
  ASSERT_TRUE(setReadOnly(path, true));
  EXPECT_TRUE(isReadOnly(path));
  EXPECT_TRUE(clearArchiveFlag(path));
  EXPECT_FALSE(isArchiveFlagSet(path));
  EXPECT_TRUE(isReadOnly(path));
  ASSERT_TRUE(setReadOnly(path, false));
  EXPECT_FALSE(isReadOnly(path));
}

TEST(FileAttributes, HiddenMeansALeadingDot) {
  EXPECT_TRUE(isHidden("/x/.profile"));
  EXPECT_FALSE(isHidden("/x.d/profile"));
  EXPECT_FALSE(isHidden(".."));
}

TEST(TempFile, CreatesUniqueFilesWithPrefixInTmpdir) {
  test::TempDir dir;
  const char* old = std::getenv("TMPDIR");
  const std::string saved = old ? old : "";
  ::setenv("TMPDIR", dir.path().c_str(), 1);
  const std::string a = createTempFile("FID");
  const std::string b = createTempFile("FID");
  ::setenv("TMPDIR", saved.c_str(), 1);
  EXPECT_NE(a, b);
  EXPECT_EQ(a.rfind(dir.path() + "/FID", 0), 0u) << a;
  EXPECT_EQ(a.substr(a.size() - 4), ".tmp");
  EXPECT_EQ(a.size(), dir.path().size() + 1 + 3 + 6 + 4);
  EXPECT_TRUE(test::fileExists(a));
}

}  // namespace
}  // namespace arkwell::platform
