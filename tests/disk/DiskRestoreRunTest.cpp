// Disk restores through a scripted host, on real archives.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "archive/BackupFile.h"
#include "disk/DiskRestoreRun.h"
#include "disk/RunFixture.h"
#include "platform/FileAttributes.h"

namespace arkwell::disk {
namespace {

class DiskRestore : public test::RunFixture {
 protected:
  DiskRestoreRun& run = restoreRun;
  QString archivePath;
  ArchiveListing listing;

  // Ten files f0..f9 in src/, stored in one archive, then changed on disk.
  void SetUp() override {
    for (int i = 0; i < 10; ++i) test::writeFile(file(i), "original " + std::to_string(i));
    archivePath = q(dir / "backup.KBU");
    archive::TBackupFile writer;
    writer.SaveFileID = true;
    writer.BackupTitle = "Docs";
    ASSERT_TRUE(writer.Backup({dir / "src/*.* /s"}, archivePath.toStdString()));
    for (int i = 0; i < 10; ++i) test::writeFile(file(i), "changed");
    run.begin();
    const auto read = run.readListing(archivePath);
    ASSERT_TRUE(read.has_value());
    listing = *read;
    ASSERT_EQ(listing.storedPaths.size(), 10);
  }

  std::string file(int i) const { return dir / ("src/f" + std::to_string(i) + ".txt"); }
  RestoreChoice choose(std::initializer_list<int> checked, int method = 0) const {
    RestoreChoice choice;
    for (const QString& path : listing.storedPaths) {
      const bool on = std::any_of(checked.begin(), checked.end(),
                                  [&](int i) { return path.endsWith(QStringLiteral("/f%1.txt").arg(i)); });
      choice.files.append({path, on});
      choice.chosen += on;
    }
    choice.total = static_cast<int>(choice.files.size());
    choice.method = method;
    choice.methodCaption = QStringLiteral("method %1").arg(method);
    return choice;
  }
  int originals() const {
    int count = 0;
    for (int i = 0; i < 10; ++i) count += test::readFile(file(i)).rfind("original", 0) == 0;
    return count;
  }
};

TEST_F(DiskRestore, SelectionStatesRestoreExactlyTheCheckedFiles) {
  EXPECT_EQ(listing.title, "Docs");
  ASSERT_TRUE(run.restore(archivePath, "Docs (full)", choose({1, 4, 7})));
  EXPECT_EQ(run.SelectionState, 1);
  EXPECT_EQ(originals(), 3);
  EXPECT_EQ(test::readFile(file(4)), "original 4");
  EXPECT_EQ(test::readFile(file(5)), "changed");
  const QStringList lines = host.lastReport();
  EXPECT_TRUE(lines.contains(text(106) + " 3"));
  EXPECT_TRUE(lines.contains(text(109) + " " + text(97))) << "finishing early counts as success";
  EXPECT_EQ(host.details[core::DetailField::Result], text(98) + ", 3 " + text(99) + ".");
  EXPECT_EQ(host.locks, host.releases);
  EXPECT_FALSE(host.busy[core::RunKind::DiskRestore]);
}

TEST_F(DiskRestore, ANameWithATabIsListedWholeAndRestoredWhenChecked) {
  const std::string tabbed = dir / "tabs/a\tb.txt";
  const std::string other = dir / "tabs/other.txt";
  test::writeFile(tabbed, "original tab");
  test::writeFile(other, "original other");
  archive::TBackupFile writer;
  writer.SaveFileID = true;
  const QString tabsArchive = q(dir / "tabs.KBU");
  ASSERT_TRUE(writer.Backup({dir / "tabs/*.*"}, tabsArchive.toStdString()));
  test::writeFile(tabbed, "changed");
  test::writeFile(other, "changed");

  const auto read = run.readListing(tabsArchive);
  ASSERT_TRUE(read.has_value());
  ASSERT_TRUE(read->storedPaths.contains(q(tabbed))) << read->storedPaths.join(QLatin1Char('|')).toStdString();
  RestoreChoice choice;
  for (const QString& path : read->storedPaths) choice.files.append({path, path == q(tabbed)});
  choice.chosen = 1;
  choice.total = static_cast<int>(choice.files.size());
  ASSERT_TRUE(run.restore(tabsArchive, "Tabs", choice));
  EXPECT_EQ(test::readFile(tabbed), "original tab");
  EXPECT_EQ(test::readFile(other), "changed");
}

TEST_F(DiskRestore, MoreThanHalfCheckedListsTheOthers) {
  ASSERT_TRUE(run.restore(archivePath, "Docs", choose({0, 1, 2, 3, 4, 5})));
  EXPECT_EQ(run.SelectionState, 3) << "the four others were passed over, then every entry restores";
  EXPECT_EQ(originals(), 6);
  EXPECT_EQ(test::readFile(file(9)), "changed");
}

TEST_F(DiskRestore, EverythingCheckedRestoresAllThroughTheMethodAlone) {
  test::writeFile(dir / "src/f3.txt", "x");
  std::remove(file(2).c_str());
  ASSERT_TRUE(run.restore(archivePath, "Docs", choose({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 4)));  // only missing files
  EXPECT_EQ(test::readFile(file(2)), "original 2");
  EXPECT_EQ(test::readFile(file(3)), "x");
  EXPECT_TRUE(host.lastReport().contains(text(106) + " 1"));
}

TEST_F(DiskRestore, AnotherFolderWithAndWithoutTheStructure) {
  RestoreChoice choice = choose({2, 3});
  choice.originalPath = false;
  choice.folder = q(dir / "out");
  choice.keepStructure = false;
  ASSERT_TRUE(run.restore(archivePath, "Docs", choice));
  EXPECT_EQ(test::readFile(dir / "out/f2.txt"), "original 2");

  run.begin();
  choice.keepStructure = true;
  choice.folder = q(dir / "tree");
  ASSERT_TRUE(run.restore(archivePath, "Docs", choice));
  EXPECT_EQ(test::readFile(dir / ("tree" + dir.path() + "/src/f3.txt")), "original 3")
      << "the stored path below the folder, found in the selection list";
  EXPECT_EQ(originals(), 0) << "the originals were not touched";
}

TEST_F(DiskRestore, AReadOnlyFileIsReplacedAndStaysReadOnly) {
  ASSERT_TRUE(platform::setReadOnly(file(5), true));
  ASSERT_TRUE(run.restore(archivePath, "Docs", choose({5})));
  EXPECT_EQ(test::readFile(file(5)), "original 5");
  EXPECT_TRUE(platform::isReadOnly(file(5)));
}

TEST_F(DiskRestore, AskingForEachFile) {
  host.dialogService.askAnswers = {core::kButtonYes, core::kButtonNo, core::kButtonCancel};
  const bool ok = run.restore(archivePath, "Docs", choose({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 5));
  EXPECT_FALSE(ok) << "Cancel stops the restore";
  EXPECT_EQ(host.dialogService.calls.size(), 3u);
  EXPECT_TRUE(host.dialogService.calls[0].text.startsWith(text(113) + ": "));
  EXPECT_EQ(originals(), 1);
  EXPECT_EQ(run.skipped, 1);
  EXPECT_TRUE(host.lastReport().contains(text(107) + " 1"));
  EXPECT_TRUE(host.lastReport().contains(text(109) + " " + text(101)));
}

TEST_F(DiskRestore, ATargetInUseIsLeftAlone) {
  if (::geteuid() == 0) GTEST_SKIP() << "root opens every file";
  ASSERT_EQ(::chmod(file(6).c_str(), 0), 0);
  ASSERT_TRUE(run.restore(archivePath, "Docs", choose({6, 7})));
  ::chmod(file(6).c_str(), 0644);
  EXPECT_EQ(test::readFile(file(6)), "changed");
  EXPECT_EQ(test::readFile(file(7)), "original 7");
  EXPECT_EQ(run.failed, 0) << "a refusal is not a failure";
}

TEST_F(DiskRestore, ATesterFileOfTheUsersSurvivesTheReplaceTest) {
  test::writeFile(dir / "src/tester123", "mine");
  ASSERT_TRUE(run.restore(archivePath, "Docs", choose({1})));
  EXPECT_EQ(test::readFile(dir / "src/tester123"), "mine");
  EXPECT_EQ(test::readFile(file(1)), "original 1");
}

class DiskRestoreVolumes : public test::RunFixture {
 protected:
  DiskRestoreRun& run = restoreRun;
};

TEST_F(DiskRestoreVolumes, AMissingVolumeIsAskedForOrStopsTheRestore) {
  std::string big;
  for (int i = 0; i < 40000; ++i) big += std::to_string(i * 7919 % 100003) + ",";
  test::writeFile(dir / "src/big.txt", big);
  const QString archivePath = q(dir / "vol.KBU");
  archive::TBackupFile writer;
  writer.SaveFileID = true;
  writer.BackupTitle = "Vol";
  writer.MaxSize = 40000;
  ASSERT_TRUE(writer.Backup({dir / "src/*.*"}, archivePath.toStdString()));
  ASSERT_TRUE(QFileInfo::exists(q(dir / "vol.002")));
  std::remove((dir / "vol.002").c_str());
  std::remove((dir / "src/big.txt").c_str());

  RestoreChoice choice;
  choice.files = {{q(dir / "src/big.txt"), true}};
  choice.total = choice.chosen = 1;
  host.dialogService.askAnswers = {core::kButtonCancel};
  run.begin();
  EXPECT_FALSE(run.restore(archivePath, "Vol", choice));
  ASSERT_EQ(host.dialogService.calls.size(), 2u) << "the question, then the engine's error";
  EXPECT_TRUE(host.dialogService.calls[0].text.contains(q(dir / "vol.002")));
  EXPECT_EQ(host.locks, host.releases) << "the window is usable again";

  host.dialogService.calls.clear();
  host.commandLine = true;
  run.begin();
  EXPECT_FALSE(run.restore(archivePath, "Vol", choice));
  EXPECT_TRUE(host.dialogService.calls.empty());
  EXPECT_TRUE(host.lastReport().join('\n').contains("vol.002")) << "the failure names the missing volume";
}

TEST_F(DiskRestoreVolumes, AllVolumesPresentRestoreWithoutAQuestion) {
  std::string big;
  for (int i = 0; i < 40000; ++i) big += std::to_string(i * 7919 % 100003) + ",";
  test::writeFile(dir / "src/big.txt", big);
  archive::TBackupFile writer;
  writer.SaveFileID = true;
  writer.BackupTitle = "Vol";
  writer.MaxSize = 40000;
  ASSERT_TRUE(writer.Backup({dir / "src/*.*"}, dir / "vol.KBU"));
  ASSERT_TRUE(QFileInfo::exists(q(dir / "vol.003")));
  std::remove((dir / "src/big.txt").c_str());
  RestoreChoice choice;
  choice.files = {{q(dir / "src/big.txt"), true}};
  choice.total = choice.chosen = 1;
  host.commandLine = true;
  run.begin();
  EXPECT_TRUE(run.restore(q(dir / "vol.KBU"), "Vol", choice));
  EXPECT_TRUE(host.dialogService.calls.empty());
  EXPECT_EQ(test::readFile(dir / "src/big.txt"), big);
}

TEST_F(DiskRestoreVolumes, AFileThatIsNoArchiveIsReportedAndGivesNoList) {
  test::writeFile(dir / "not-an-archive.KBU", "hello, this is text");
  run.begin();
  const auto listing = run.readListing(q(dir / "not-an-archive.KBU"));
  EXPECT_TRUE(!listing || listing->storedPaths.isEmpty());
  ASSERT_FALSE(host.dialogService.calls.empty()) << "the engine's error is shown";
  EXPECT_TRUE(host.dialogService.calls[0].text.startsWith(text(118)));
  run.cancel();
  EXPECT_EQ(host.locks, host.releases);
}

}  // namespace
}  // namespace arkwell::disk
