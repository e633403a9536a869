#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/PathText.h"
#include "support/TempDir.h"

namespace arkwell::platform {
namespace {

TEST(PathText, ComponentsAndTrailingSlashes) {
  EXPECT_EQ(pathComponents("/a//b/./c/"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(pathComponents("x/../y"), (std::vector<std::string>{"x", "..", "y"}));
  EXPECT_TRUE(pathComponents("/").empty());
  EXPECT_EQ(withoutTrailingSlash("/r//"), "/r");
  EXPECT_EQ(withoutTrailingSlash("/"), "/");
}

TEST(PathText, AbsolutePathResolvesDotsButNotThroughLinks) {
  test::TempDir dir;
  test::makeFolder(dir / "real/inner");
  test::makeFolder(dir / "other");
  ASSERT_EQ(::symlink((dir / "real/inner").c_str(), (dir / "link").c_str()), 0);
  struct Case {
    std::string given;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {dir / "real/./inner//", dir / "real/inner"},
      {dir / "real/inner/../../other", dir / "other"},
      {dir / "link/..", dir / "real"},  // ".." after a link leaves the link's target
      {"/..", "/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(absolutePath(c.given), c.expected) << c.given;
  }
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  ASSERT_EQ(::chdir(dir.path().c_str()), 0);
  const std::string relative = absolutePath("real/../other");
  ASSERT_EQ(::chdir(cwd), 0);
  EXPECT_EQ(relative, dir / "other");
}

}  // namespace
}  // namespace arkwell::platform
