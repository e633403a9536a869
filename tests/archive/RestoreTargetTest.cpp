#include <gtest/gtest.h>

#include "archive/RestoreTarget.h"

namespace arkwell::archive {
namespace {

TEST(RestoreTarget, OneRulePlacesEveryKindOfStoredName) {
  struct Case {
    const char* stored;
    const char* target;
    bool keepStructure;
    const char* expected;  // nullptr: refused
  };
  const Case cases[] = {
      {"/home/ann/a.txt", "", false, "/home/ann/a.txt"},
      {"/home/ann/a.txt", "/r", false, "/r/a.txt"},
      {"/home/ann/a.txt", "/r/", true, "/r/home/ann/a.txt"},
      {"E:\\Data\\a.txt", "/r", true, "/r/Data/a.txt"},
      {"E:\\Data\\a.txt", "/r", false, "/r/a.txt"},
      {"E:\\Data\\a.txt", "", false, nullptr},  // no such place on this system
      {"\\\\server\\share\\a.txt", "/r", true, "/r/server/share/a.txt"},
      {"\\\\server\\share\\a.txt", "/r", false, "/r/a.txt"},
      {"/x/./y//a.txt", "/r", true, "/r/x/y/a.txt"},
      {"/srv/odd\\name.txt", "/r", false, "/r/odd\\name.txt"},  // a Linux file name may hold a backslash
      {"/srv/odd\\name.txt", "/r", true, "/r/srv/odd\\name.txt"},
      {"/srv/odd\\name.txt", "", false, "/srv/odd\\name.txt"},
      {"/", "", false, nullptr},
      {"/x/../etc/passwd", "", false, nullptr},
      {"/x/../etc/passwd", "/r", false, nullptr},
      {"E:\\..\\..\\etc\\cron", "/r", true, nullptr},
      {"/x/..", "/r", false, nullptr},
      {"relative/a.txt", "", false, nullptr},
      {"/home/ann/a.txt", "/", true, "/home/ann/a.txt"},
  };
  for (const Case& c : cases) {
    const RestoreTarget t = restoreTarget(c.stored, c.target, c.keepStructure);
    if (c.expected == nullptr) {
      EXPECT_FALSE(t.allowed()) << c.stored << " -> " << t.path;
    } else {
      EXPECT_TRUE(t.allowed()) << c.stored << ": " << t.refusal;
      EXPECT_EQ(t.path, c.expected) << c.stored;
    }
  }
}

TEST(RestoreTarget, BelowFolderIsLexical) {
  EXPECT_TRUE(isBelowFolder("/r/a", "/r"));
  EXPECT_TRUE(isBelowFolder("/r/a", "/r/"));
  EXPECT_FALSE(isBelowFolder("/rx/a", "/r"));
  EXPECT_FALSE(isBelowFolder("/r", "/r"));
  EXPECT_TRUE(isBelowFolder("/a", "/"));
}

}  // namespace
}  // namespace arkwell::archive
