#include <gtest/gtest.h>

#include <regex>

#include "archive/ArchiveFormat.h"
#include "archive/ArchiveTestSupport.h"
#include "archive/BackupFile.h"
#include "support/TempDir.h"

namespace arkwell::archive {
namespace {

std::vector<std::string> withoutTempNames(std::vector<std::string> lines) {
  const std::regex temp("/[^ ]*/FID[A-Za-z0-9]{6}\\.tmp");
  for (std::string& line : lines) line = std::regex_replace(line, temp, "<list>");
  return lines;
}

std::string pct(int64_t done, int64_t total) {
  return std::to_string(format::percentOf(done, total));
}

class EventSequence : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeFile(dir / "src/a.txt", "alpha");
    test::writeFile(dir / "src/sub/b.txt", "bee");
  }
  test::TempDir dir;
  test::EventLog log;
  TBackupFile engine;
};

TEST_F(EventSequence, BackupRaisesEveryPhaseInOrder) {
  engine.SaveFileID = true;
  engine.SetArchiveFlag = true;
  log.attach(engine);
  ASSERT_TRUE(engine.Backup({dir / "src/*.* /s"}, dir / "a.KBU")) << engine.ErrorMessage();

  const int64_t total = engine.TotalBytes();
  const int64_t list = total - 8;
  const std::string src = dir / "src";
  const std::vector<std::string> expected = {
      "counter 0 0 ",  // the very first call has no path yet
      "counter 1 0 " + src + "/sub/*.*",
      "counter 1 2 -1",
      "progress  0",
      "counter 0 1 -1",
      "counter 0 2 -1",
      "counter 0 1 -2",
      "progress <list> " + pct(list, total),
      "counter 0 2 -2",
      "progress " + src + "/sub/b.txt " + pct(list + 3, total),
      "counter 0 3 -2",
      "progress " + src + "/a.txt " + pct(list + 8, total),
      // archive flags are cleared once the archive is complete
      "counter 0 2 -3",
      "counter 0 3 -3",
      "progress  100",
  };
  EXPECT_EQ(withoutTempNames(log.lines), expected);
  EXPECT_EQ(engine.FilesDone(), 2);
  EXPECT_EQ(engine.FileCount(), 2);
}

TEST_F(EventSequence, RestoreRaisesEventsPerFileAndClosesWithHundred) {
  engine.SaveFileID = true;
  ASSERT_TRUE(engine.Backup({dir / "src/*.* /s"}, dir / "a.KBU"));
  const int64_t total = engine.TotalBytes();
  log.attach(engine);
  ASSERT_TRUE(engine.Restore(dir / "a.KBU", dir / "out")) << engine.ErrorMessage();
  const std::string out = dir / "out";
  // The list is skipped, so its bytes never count as done.
  const std::vector<std::string> expected = {
      "restorefile " + out + "/b.txt yes",
      "progress " + out + "/b.txt " + pct(3, total),
      "restored " + out + "/b.txt",
      "restorefile " + out + "/a.txt yes",
      "progress " + out + "/a.txt " + pct(8, total),
      "restored " + out + "/a.txt",
      "progress  100",
  };
  EXPECT_EQ(log.lines, expected);
}

TEST_F(EventSequence, FailureToCreateTheArchiveEndsWithErrorFour) {
  log.attach(engine);
  EXPECT_FALSE(engine.Backup({dir / "src/a.txt"}, dir / "missing/a.KBU"));
  EXPECT_EQ(engine.ErrorCode(), 4);
  EXPECT_NE(engine.ErrorMessage().find(dir / "missing/a.KBU"), std::string::npos) << engine.ErrorMessage();
  ASSERT_GE(log.lines.size(), 2u);
  EXPECT_EQ(log.lines[log.lines.size() - 2], "progress  100");
  EXPECT_EQ(log.lines.back(), "error 4 Cannot write to archive");
}

TEST_F(EventSequence, AbortStopsAtTheNextBlockWithoutEndMarkerOrError) {
  test::writeFile(dir / "src/c.txt", test::textBytes(100000, 3));
  engine.OnProgress = [&](TBackupFile& sender, const std::string& file, int, bool&) {
    if (!file.empty()) sender.Abort();
  };
  int errors = 0;
  engine.OnError = [&](TBackupFile&, int, const std::string&) { ++errors; };
  EXPECT_FALSE(engine.Backup({dir / "src/*.*"}, dir / "a.KBU"));
  EXPECT_EQ(engine.ErrorCode(), 0);
  EXPECT_EQ(errors, 0);
  const test::ParsedVolume parsed = test::parseVolume(test::readFile(dir / "a.KBU"), true);
  EXPECT_FALSE(parsed.endMarker);
  ASSERT_EQ(parsed.entries.size(), 1u);
  EXPECT_EQ(parsed.entries[0].blocks.size(), 1u);
  EXPECT_EQ(engine.FilesDone(), 1) << "a file cut short by a stop still counts";
}

TEST_F(EventSequence, StopDuringTheScanReturnsWithoutFurtherEvents) {
  engine.OnCounter = [&](TBackupFile& sender, int64_t, int64_t, const std::string&) { sender.Abort(); };
  int progress = 0;
  engine.OnProgress = [&](TBackupFile&, const std::string&, int, bool&) { ++progress; };
  EXPECT_FALSE(engine.Backup({dir / "src/*.* /s"}, dir / "a.KBU"));
  EXPECT_EQ(progress, 0);
  EXPECT_FALSE(test::fileExists(dir / "a.KBU"));
}

}  // namespace
}  // namespace arkwell::archive
