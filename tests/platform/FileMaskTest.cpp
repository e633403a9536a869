#include <gtest/gtest.h>

#include "platform/FileMask.h"

namespace arkwell::platform {
namespace {

TEST(FileMask, FollowsWindowsWildcardRules) {
  struct Case {
    const char* name;
    const char* mask;
    bool matches;
  };
  const Case cases[] = {
      {"report.txt", "*.*", true},
      {"Makefile", "*.*", true},
      {".hidden", "*", true},
      {"report.TXT", "*.txt", true},
      {"report.txt.bak", "*.txt", false},
      {"a.txt", "?.txt", true},
      {"ab.txt", "?.txt", false},
      {"data2024.csv", "data*.csv", true},
      {"x.doc", "*.txt;*.doc", true},
      {"x.pdf", "*.txt; *.doc", false},
      {"x.doc", "*.txt; *.DOC", true},
      {"aaa", "a*a*a", true},
      {"aa", "a*a*a", false},
      {"Ä.txt", "ä.txt", false},
      {"", "*", true},
      {"abc", "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(matchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
  }
}

TEST(FileMask, UpperCasesAsciiOnly) {
  EXPECT_EQ(asciiUpper("abc/Zä.txt"), "ABC/Zä.TXT");
}

}  // namespace
}  // namespace arkwell::platform
