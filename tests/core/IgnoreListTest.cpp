#include <gtest/gtest.h>

#include "core/CoreTestSupport.h"
#include "core/IgnoreList.h"

namespace arkwell::core {
namespace {

using test::qpath;

TEST(IgnoreList, DefaultsAreSortedAndMatchAsPathFragments) {
  const IgnoreList list;
  EXPECT_EQ(list.entries(), IgnoreList::defaultEntries());
  struct Case {
    const char* path;
    bool ignored;
  };
  const Case cases[] = {
      {"/home/ann/Temp/a.txt", true},
      {"/home/ann/TEMP/sub/b.doc", true},
      {"/home/ann/temporary/a.txt", false},
      {"/home/ann/mytemp/a.txt", false},
      {"/data/report.TMP", true},
      {"/data/db.lock", true},
      {"/data/db.lck", true},
      {"/home/ann/NTUSER.DAT", true},
      {"/home/ann/ntuser.dat.log", true},
      {"/home/ann/letter.txt", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsIgnored(list, c.path), c.ignored) << c.path;
  EXPECT_FALSE(IsIgnored(IgnoreList(QStringList{}), "/anything"));
}

TEST(IgnoreList, InsertKeepsOrderAndRefusesDuplicatesAndBlanks) {
  IgnoreList list(QStringList{"b", "d"});
  EXPECT_EQ(list.insert("  C  "), 1);
  EXPECT_EQ(list.insert("a"), 0);
  EXPECT_EQ(list.insert("B"), -1) << "compared without regard to case";
  EXPECT_EQ(list.insert("   "), -1);
  EXPECT_EQ(list.entries(), QStringList({"a", "b", "C", "d"}));
  EXPECT_EQ(list.removeAt(2), "C");
  EXPECT_EQ(list.removeAt(9), "");
  EXPECT_EQ(list.entries(), QStringList({"a", "b", "d"}));
}

TEST(IgnoreList, LoadSortsAndDropsBlankLinesSaveRoundTrips) {
  test::TempDir dir;
  const QString path = qpath(dir, "Ignorelist.txt");
  IgnoreList list;
  EXPECT_FALSE(list.load(path));
  EXPECT_EQ(list.entries(), IgnoreList::defaultEntries());
  test::writeText(path, "zeta\r\n\r\n  \r\nAlpha\r\nalpha\r\n\\cache\\\r\n");
  EXPECT_TRUE(list.load(path));
  EXPECT_EQ(list.entries(), QStringList({"\\cache\\", "Alpha", "zeta"}));
  EXPECT_FALSE(IsIgnored(list, "/x/y")) << "a blank line must not ignore every path";
  EXPECT_TRUE(IsIgnored(list, "/home/ann/Cache/f"));
  list.save(path);
  IgnoreList again(QStringList{});
  again.load(path);
  EXPECT_EQ(again.entries(), list.entries());
}

}  // namespace
}  // namespace arkwell::core
