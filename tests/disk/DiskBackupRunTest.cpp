// Disk backup runs through a scripted host, on real folders and archives.
#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "archive/BackupFile.h"
#include "core/Clock.h"
#include "core/JobTableLayouts.h"
#include "disk/DiskBackupRun.h"
#include "disk/RunFixture.h"

namespace arkwell::disk {
namespace {

namespace col = core::disk_column;

class DiskRun : public test::RunFixture {
 protected:
  DiskBackupRun& run = backupRun;

  void SetUp() override {
    engine.WorkerThreads = 1;
    data.diskJobs = core::Table({core::diskTableLayout().designTitles});
    data.ignoreList = core::IgnoreList(QStringList{});
    at(2026, 3, 5, 10, 30);
  }
  void at(int y, int m, int d, int h, int min) { core::setFixedDateTime(QDateTime(QDate(y, m, d), QTime(h, min))); }
  int addJob(const char* name, const std::string& source, const std::string& destination, const char* mask = "*.*",
             const char* active = "Y") {
    data.diskJobs.appendRow({active, name, q(source), mask, "Y", q(destination), "-"});
    return data.diskJobs.rowCount() - 1;
  }
  std::string source(const char* name, std::initializer_list<const char*> files) {
    for (const char* file : files)
      test::writeFile(dir / (std::string(name) + "/" + file), std::string("data of ") + file);
    return dir / name;
  }
  QStringList report() const { return host.lastReport(); }
};

TEST_F(DiskRun, FullRunOfTwoJobs) {
  addJob("Docs", source("docs", {"a.txt", "sub/b.txt"}), dir / "dest1");
  addJob("Mail", source("mail", {"m.eml"}), dir / "dest2");
  run.runWithReport(true);

  EXPECT_TRUE(QFileInfo::exists(q(dir / "dest1/20260305-1030.KBU")));
  EXPECT_TRUE(QFileInfo::exists(q(dir / "dest2/20260305-1030.KBU")));
  const QStringList lines = report();
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_TRUE(lines.contains(text(76)));
  EXPECT_TRUE(lines.contains(text(78) + " Docs"));
  EXPECT_TRUE(lines.contains(text(78) + " Mail"));
  EXPECT_TRUE(lines.contains(text(80) + " 2,  ca. 0 kB"));
  EXPECT_TRUE(lines.contains(text(81) + " 0"));
  EXPECT_TRUE(lines.contains("Totals:"));
  const QString result = text(82) + ", 3 " + text(83) + ", ca. 0.0 MB.";
  EXPECT_TRUE(lines.contains(result)) << lines.join('\n').toStdString();
  EXPECT_EQ(lines.last(), " ");
  EXPECT_EQ(lines[lines.size() - 2], QString(37, '-'));
  EXPECT_EQ(host.details[core::DetailField::Result], result);
  EXPECT_EQ(host.details[core::DetailField::JobsDone], "2/2");
  EXPECT_EQ(host.details[core::DetailField::TotalFiles], "3");
  EXPECT_EQ(data.diskJobs.cell(1, col::Last),
            QLocale().toString(QDateTime(QDate(2026, 3, 5), QTime(10, 30)), "dd MMM yyyy HH:mm"));
  EXPECT_EQ(host.saves, 1);
  EXPECT_EQ(host.locks, 1);
  EXPECT_EQ(host.releases, 1);
  EXPECT_FALSE(host.busy[core::RunKind::DiskRun]);
  EXPECT_FALSE(host.animating);
  EXPECT_TRUE(control.RunFlag);
}

TEST_F(DiskRun, IncrementalStoresOnlyChangesThenNothing) {
  const std::string src = source("docs", {"a.txt", "b.txt"});
  if (::setxattr((src + "/a.txt").c_str(), "user.arkwell.probe", "1", 1, 0) != 0) {
    GTEST_SKIP() << "no extended attributes in " << dir.path();
  }
  const int row = addJob("Docs", src, dir / "dest");
  run.runWithReport(true);
  at(2026, 3, 5, 11, 0);
  test::writeFile(src + "/b.txt", "changed");
  run.runWithReport(false);
  EXPECT_TRUE(report().contains(text(77)));
  EXPECT_TRUE(report().contains(text(80) + " 1,  ca. 0 kB")) << report().join('\n').toStdString();
  EXPECT_TRUE(QFileInfo::exists(q(dir / "dest/20260305-1100.KBI")));

  at(2026, 3, 5, 11, 30);
  data.diskJobs.setCell(row, col::Last, "-");
  run.runWithReport(false);
  EXPECT_TRUE(report().contains(text(259)));
  EXPECT_FALSE(QFileInfo::exists(q(dir / "dest/20260305-1130.KBI"))) << "an empty archive is removed";
  EXPECT_NE(data.diskJobs.cell(row, col::Last), "-") << "the job still ran to its end";
}

TEST_F(DiskRun, DuplicateDestinationsRefuseTheRun) {
  addJob("One", source("one", {"a"}), dir / "Backup");
  addJob("Two", source("two", {"b"}), dir / "backup ");
  run.runWithReport(true);
  ASSERT_EQ(host.dialogService.calls.size(), 1u);
  EXPECT_TRUE(host.dialogService.calls[0].text.startsWith(text(73)));
  EXPECT_EQ(host.locks, 0);
  EXPECT_FALSE(report().contains("Totals:"));

  host.dialogService.calls.clear();
  host.commandLine = true;
  data.diskJobs.setCell(2, col::Active, "N");
  data.diskJobs.setCell(1, col::Destination, q(dir / "dest"));
  run.runWithReport(true);
  EXPECT_TRUE(host.dialogService.calls.empty());
  EXPECT_TRUE(report().contains("Totals:")) << "one active job may use the folder";
}

TEST_F(DiskRun, MissingSourceIsReportedAndTheNextJobRuns) {
  addJob("Gone", dir / "no-such-folder", dir / "dest1");
  addJob("Here", source("here", {"a"}), dir / "dest2");
  run.runWithReport(true);
  EXPECT_TRUE(report().contains(text(212) + " " + q(dir / "no-such-folder")));
  EXPECT_FALSE(QFileInfo::exists(q(dir / "dest1")));
  EXPECT_TRUE(QFileInfo::exists(q(dir / "dest2/20260305-1030.KBU")));
  EXPECT_EQ(data.diskJobs.cell(1, col::Last), "-");
}

TEST_F(DiskRun, CommandsBeforeAndAfterAFullRunOnly) {
  addJob("Docs", source("docs", {"a"}), dir / "dest");
  test::writeFile(dir / "cmd/before.sh", "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/before.out\"\nexit 3\n");
  test::writeFile(dir / "cmd/after.sh", "#!/bin/sh\necho \"[$1]\" > \"$(dirname \"$0\")/after.out\"\nexit 0\n");
  QFile::setPermissions(q(dir / "cmd/before.sh"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QFile::setPermissions(q(dir / "cmd/after.sh"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  data.settings.runBefore = q(dir / "cmd/before.sh");
  data.settings.runAfter = q(dir / "cmd/after.sh");
  run.runWithReport(true);
  EXPECT_TRUE(report().contains("Run before, exitcode=3"));
  EXPECT_TRUE(report().contains("Run after, exitcode=0"));
  EXPECT_EQ(test::readFile(dir / "cmd/before.out"), "20260305103000\n") << "the run's start as its argument";
  EXPECT_EQ(test::readFile(dir / "cmd/after.out"), "[]\n");

  std::remove((dir / "cmd/before.out").c_str());
  at(2026, 3, 5, 11, 0);
  run.runWithReport(false);
  EXPECT_FALSE(test::fileExists(dir / "cmd/before.out")) << "an incremental run starts no command";
  EXPECT_FALSE(report().join('\n').contains("Run before"));

  // A command that cannot start, and one whose folder is gone: -1, and the run goes on.
  data.settings.runBefore = q(dir / "cmd/missing.sh");
  data.settings.runAfter = q(dir / "gone/after.sh");
  at(2026, 3, 5, 12, 0);
  run.runWithReport(true);
  EXPECT_TRUE(report().contains("Run before, exitcode=-1"));
  EXPECT_TRUE(report().contains("Run after, exitcode=-1"));
  EXPECT_TRUE(report().join('\n').contains(q(dir / "gone"))) << "the system's reason names the folder";
  EXPECT_TRUE(report().contains("Totals:"));
  EXPECT_EQ(host.locks, host.releases);
}

TEST_F(DiskRun, AbortStopsTheRunAndLeavesNoArchive) {
  addJob("Big", source("big", {"1", "2", "3", "4", "5"}), dir / "dest");
  addJob("Next", source("next", {"x"}), dir / "dest2");
  int pumps = 0;
  host.onPump = [&] {
    if (++pumps == 3) run.abort();
  };
  run.runWithReport(true);
  EXPECT_TRUE(report().contains(text(82) + ", " + text(84))) << report().join('\n').toStdString();
  EXPECT_TRUE(report().contains(text(67)));
  EXPECT_FALSE(QFileInfo::exists(q(dir / "dest/20260305-1030.KBU")));
  EXPECT_FALSE(QFileInfo::exists(q(dir / "dest2"))) << "the run ends after the aborted job";
  EXPECT_EQ(data.diskJobs.cell(1, col::Last), "-");
  EXPECT_EQ(host.releases, 1);
}

TEST_F(DiskRun, DestinationThatCannotBeMadeEndsTheRun) {
  test::writeFile(dir / "blocker", "a file");
  addJob("One", source("one", {"a"}), dir / "blocker/dest");
  addJob("Two", source("two", {"b"}), dir / "dest2");
  run.runWithReport(true);
  EXPECT_TRUE(report().contains(text(66) + ": " + q(dir / "blocker/dest")));
  ASSERT_EQ(host.dialogService.calls.size(), 1u);
  EXPECT_FALSE(QFileInfo::exists(q(dir / "dest2")));
  EXPECT_TRUE(report().contains(text(82) + ", " + text(84)));
}

TEST_F(DiskRun, RetentionThinsTheDestination) {
  addJob("Docs", source("docs", {"a"}), dir / "dest");
  for (const char* old : {"20250101-1000.KBU", "20250102-1000.KBU", "20250102-1100.KBI", "20250103-1000.KBU"}) {
    test::writeFile(dir / (std::string("dest/") + old), "old");
  }
  data.settings.diskMaxDays = 30;
  data.settings.diskMinKeep = 1;
  run.runWithReport(true);
  // The newest old full backup is kept by count; the incremental made after the limit stays with it.
  EXPECT_TRUE(report().contains(text(81) + " 2")) << report().join('\n').toStdString();
  EXPECT_EQ(QDir(q(dir / "dest")).entryList(QDir::Files),
            QStringList({"20250102-1100.KBI", "20250103-1000.KBU", "20260305-1030.KBU"}));
}

TEST_F(DiskRun, ASecondRunInTheSameMinuteNeverCostsTheFirstArchive) {
  addJob("Docs", source("docs", {"a.txt"}), dir / "dest");
  run.runWithReport(true);
  const std::string archive = dir / "dest/20260305-1030.KBU";
  const std::string first = test::readFile(archive);
  int pumps = 0;
  host.onPump = [&] {
    if (++pumps == 2) run.abort();
  };
  run.runWithReport(true);  // the same minute, aborted
  ASSERT_TRUE(test::fileExists(archive));
  EXPECT_EQ(test::readFile(archive), first) << "the earlier archive is back";
  EXPECT_FALSE(test::fileExists(archive + ".earlier"));

  host.onPump = nullptr;
  test::writeFile(dir / "docs/b.txt", "new");
  run.runWithReport(true);  // the same minute, complete: it replaces the earlier one
  EXPECT_NE(test::readFile(archive), first);
  EXPECT_FALSE(test::fileExists(archive + ".earlier"));
}

TEST_F(DiskRun, ADestinationThatCannotBeMadeCountsNothingForItsJob) {
  addJob("One", source("one", {"a", "b", "c"}), dir / "dest1");
  test::writeFile(dir / "blocker", "a file");
  addJob("Two", source("two", {"d"}), dir / "blocker/dest");
  run.runWithReport(true);
  EXPECT_EQ(report().count(text(80) + " 3,  ca. 0 kB"), 1);
  EXPECT_TRUE(report().contains(text(80) + " 0,  ca. 0 kB")) << "not the job before's counts";
  EXPECT_EQ(host.details[core::DetailField::TotalFiles], "3");
}

TEST_F(DiskRun, FileDetailsListEveryStoredFile) {
  data.settings.reportsFileDetails = true;
  addJob("Docs", source("docs", {"a.txt", "b.txt"}), dir / "dest");
  run.runWithReport(true);
  EXPECT_TRUE(report().contains("file      1: " + q(dir / "docs/a.txt"))) << report().join('\n').toStdString();
  EXPECT_TRUE(report().contains("file      2: " + q(dir / "docs/b.txt")));
  EXPECT_FALSE(report().join('\n').contains("FID"));
}

}  // namespace
}  // namespace arkwell::disk
