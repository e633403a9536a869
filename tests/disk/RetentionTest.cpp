#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "disk/Retention.h"
#include "support/TempDir.h"

namespace arkwell::disk {
namespace {

// Age limit 8 days from here puts the cut-off at 20240612.
const QDate kToday(2024, 6, 20);

// Five full backups, all older than eight days, with what belongs to them.
const QStringList kF = {"20240101-1000.KBU", "20240102-1000.KBU", "20240103-1000.KBU", "20240104-1000.KBU",
                        "20240105-1000.KBU"};
const QStringList kAround = {
    "20231231-2300.KBI",  // incremental before F1
    "20240101-1000.002",  // second volume of F1
    "20240101-1200.KBI",  // incremental between F1 and F2
    "20240102-1000.002",  // second volume of F2
    "20240102-1000.KBI",  // incremental in the same minute as F2
    "20240102-1100.KBI",  // incremental after F2
    "20240103-1000.002",  // second volume of F3
    "0notes.txt",         // a lower digit sorts before every archive
    "-old.log",           // so does punctuation
    ".directory",         // but a dot-file is never one of ours
    "readme.txt",         // a letter sorts after every archive
    "Zeta.KBI",
};

QStringList sorted(QStringList names) {
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); });
  return names;
}

TEST(Retention, OldBackupsToDelete) {
  struct Case {
    const char* what;
    QStringList files;
    int maxDays;
    int minKeep;
    QStringList expected;  // in any order
  };
  QStringList withF2Recent = kF + kAround;
  withF2Recent.replace(1, "20240617-1000.KBU");
  withF2Recent.replace(2, "20240618-1000.KBU");
  withF2Recent.replace(3, "20240619-1000.KBU");
  withF2Recent.replace(4, "20240620-1000.KBU");
  const QStringList sevenOld = kF + QStringList{"20240106-1000.KBU", "20240107-1000.KBU"};

  const Case cases[] = {
      {"no files", {}, 8, 0, {}},
      {"only the newest full backup", {"20200101-1000.KBU", "20200101-1000.002"}, 8, 0, {}},
      {"minKeep equal to the older ones", sevenOld, 8, 6, {}},
      {"minKeep above the older ones", sevenOld, 8, 20, {}},
      {"minKeep 5 of 7", sevenOld, 8, 5, {kF[0]}},
      {"minKeep 2, five old",
       kF + kAround,
       8,
       2,
       {"-old.log", "0notes.txt", "20231231-2300.KBI", kF[0], "20240101-1000.002", "20240101-1200.KBI",
        "20240102-1000.002", "20240102-1000.KBI", kF[1]}},
      {"F2 made three days ago: F1 is the limit, the incremental after it stays",
       withF2Recent,
       8,
       2,
       {"-old.log", "0notes.txt", "20231231-2300.KBI", kF[0], "20240101-1000.002"}},
      {"minKeep 0 protects only the newest", {kF[0], kF[1], kF[2]}, 8, 0, {kF[0], kF[1]}},
      {"negative minKeep counts as 0", {kF[0], kF[1], kF[2]}, 8, -3, {kF[0], kF[1]}},
      {"a day before the cut-off is old, the cut-off day is recent",
       {"20240611-2359.KBU", "20240612-0000.KBU", "20240615-1000.KBU"},
       8,
       0,
       {"20240611-2359.KBU"}},
      {"age limit 0: made today counts as recent",
       {"20240619-2300.KBU", "20240620-0000.KBU", "20240620-0100.KBU"},
       0,
       0,
       {"20240619-2300.KBU"}},
      {"all recent", {"20240613-1000.KBU", "20240614-1000.KBU", "20240615-1000.KBU"}, 8, 0, {}},
      {"the extension in any letter case is a full backup",
       {"20240101-1000.KBU", "20240102-1000.kbu", "20240102-1000.kbu.002", "20240103-1000.KBU"},
       8,
       0,
       {"20240101-1000.KBU", "20240102-1000.kbu"}},
      {"names ordered by character code, not by letter",
       {"20240101-1000.KBU", "20240102-1000B.KBU", "20240102-1000B.Kbi", "20240102-1000a.KBU", "20240103-1000.KBU"},
       8,
       1,
       {"20240101-1000.KBU", "20240102-1000B.KBU"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(oldBackupsToDelete(c.files, kToday, c.maxDays, c.minKeep), sorted(c.expected)) << c.what;
  }
}

QString qpath(const test::TempDir& dir, const std::string& relative) {
  return QString::fromStdString(dir / relative);
}

TEST(Retention, DeleteOldBackupsDeletesFilesOfTheFolderOnly) {
  test::TempDir dir;
  for (const char* name : {"20240101-1000.KBU", "20240101-1000.002", "20240102-1000.KBU", "20240103-1000.KBU",
                           ".hidden", "20240102-1100.KBI", "readme.txt"}) {
    test::writeFile(dir / name, "x");
  }
  // Folders named like archives: the newest would make 20240103 the limit, the
  // oldest sorts before the limit and must keep what it holds.
  test::makeFolder(dir / "20240104-1000.KBU");
  test::writeFile(dir / "20231201-1000.KBU/20231201-1000.KBU", "x");

  EXPECT_EQ(DeleteOldBackups(QString::fromStdString(dir.path()), kToday, 8, 0), 3);

  const QStringList left = QDir(qpath(dir, "")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  EXPECT_EQ(sorted(left), sorted({".hidden", "20231201-1000.KBU", "20240102-1100.KBI", "20240103-1000.KBU",
                                  "20240104-1000.KBU", "readme.txt"}))
      << "a dot-file is never one of ours";
  EXPECT_TRUE(test::fileExists(dir / "20231201-1000.KBU/20231201-1000.KBU"));

  EXPECT_EQ(DeleteOldBackups(QString::fromStdString(dir.path()), kToday, 8, 0), 0) << "nothing more is old";
}

TEST(Retention, DeleteOldBackupsOfAMissingFolderDeletesNothing) {
  test::TempDir dir;
  EXPECT_EQ(DeleteOldBackups(qpath(dir, "gone"), kToday, 0, 0), 0);

  // An empty destination must not fall back to the current folder.
  for (const char* name : {"20240101-1000.KBU", "20240102-1000.KBU", "20240103-1000.KBU"})
    test::writeFile(dir / name, "x");
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(qpath(dir, "")));
  const int deleted = DeleteOldBackups(QString(), kToday, 0, 0);
  QDir::setCurrent(previous);
  EXPECT_EQ(deleted, 0) << "an empty destination is no folder";
  EXPECT_TRUE(test::fileExists(dir / "20240101-1000.KBU"));
}

}  // namespace
}  // namespace arkwell::disk
