#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "archive/ArchiveFormat.h"
#include "archive/ArchiveTestSupport.h"
#include "archive/BackupFile.h"
#include "support/TempDir.h"

namespace arkwell::archive {
namespace {

struct Outcome {
  bool result = false;
  std::vector<std::string> events;
  std::vector<std::string> volumes;  // bytes of every volume file
};

// Many small files and a few large ones, compressible and not, so that
// reading ahead crosses file boundaries and volume cuts.
void makeTree(const test::TempDir& dir) {
  for (uint32_t i = 0; i < 40; ++i) {
    const size_t size = (i * 7919u) % 9000u;
    test::writeFile(dir / ("src/small/" + std::to_string(i) + ".txt"), test::textBytes(size, 500 + i));
  }
  test::writeFile(dir / "src/big/random.bin", test::randomBytes(300000, 600));
  test::writeFile(dir / "src/big/text.txt", test::textBytes(250000, 601));
  test::writeFile(dir / "src/big/empty", "");
  test::writeFile(dir / "src/big/exact", test::textBytes(16384 * 3, 602));
}

Outcome run(const test::TempDir& dir, int workers, int64_t maxSize, int abortAfterBlocks, const std::string& name) {
  TBackupFile engine;
  engine.WorkerThreads = workers;
  engine.MaxSize = maxSize;
  engine.SaveFileID = true;
  engine.CompressionLevel = clDefault;
  test::EventLog log;
  log.attach(engine);
  int blocks = 0;
  engine.OnProgress = [&](TBackupFile&, const std::string& file, int percent, bool& go) {
    log.lines.push_back("progress " + (file.find("/FID") != std::string::npos ? "<list>" : file) + " " +
                        std::to_string(percent));
    if (!file.empty() && abortAfterBlocks > 0 && ++blocks == abortAfterBlocks) go = false;
  };
  Outcome out;
  const std::string archive = dir / (name + ".KBU");
  out.result = engine.Backup({dir / "src/*.* /s"}, archive);
  out.events = log.lines;
  out.volumes.push_back(test::readFile(archive));
  // The list's date is that of its temporary file, made anew by each run.
  const size_t listDate = 4 + 8 + 8 + 4 + format::kFileListName.size();
  if (out.volumes[0].size() >= listDate + 4) out.volumes[0].replace(listDate, 4, "DATE");
  for (int v = 2; test::fileExists(format::volumeFileName(archive, v)); ++v) {
    out.volumes.push_back(test::readFile(format::volumeFileName(archive, v)));
  }
  return out;
}

TEST(ParallelWriter, ArchivesAndEventsAreTheSameForAnyNumberOfWorkers) {
  test::TempDir dir;
  makeTree(dir);
  struct Case {
    const char* label;
    int64_t maxSize;
    int abortAfterBlocks;
  };
  const Case cases[] = {
      {"one volume", 0, 0},
      {"volume cuts", format::kVolumeReserve + 60000, 0},
      {"abort mid-way", 0, 25},
      {"abort across volumes", format::kVolumeReserve + 60000, 30},
  };
  for (const Case& c : cases) {
    const Outcome single = run(dir, 1, c.maxSize, c.abortAfterBlocks, "one");
    EXPECT_EQ(single.result, c.abortAfterBlocks == 0) << c.label;
    if (c.maxSize != 0) {
      EXPECT_GT(single.volumes.size(), 2u) << c.label;
    }
    for (int workers : {2, 3, 8}) {
      const Outcome many = run(dir, workers, c.maxSize, c.abortAfterBlocks, "many");
      EXPECT_EQ(many.result, single.result) << c.label << ", " << workers << " workers";
      EXPECT_EQ(many.events, single.events) << c.label << ", " << workers << " workers";
      ASSERT_EQ(many.volumes.size(), single.volumes.size()) << c.label << ", " << workers << " workers";
      for (size_t v = 0; v < single.volumes.size(); ++v) {
        EXPECT_TRUE(many.volumes[v] == single.volumes[v]) << c.label << ", " << workers << " workers, volume " << v + 1;
      }
    }
  }
}

TEST(ParallelWriter, AFileDeletedBeforeItsTurnIsPassedOverEvenWhenReadAhead) {
  for (int workers : {1, 2}) {
    test::TempDir dir;
    test::writeFile(dir / "src/a.txt", "first");
    test::writeFile(dir / "src/b.txt", "second");
    test::writeFile(dir / "src/c.txt", "third");
    TBackupFile engine;
    engine.WorkerThreads = workers;
    engine.OnCounter = [&](TBackupFile&, int64_t, int64_t position, const std::string& phase) {
      // By now the reader ahead has opened c.txt already.
      if (phase == "-2" && position == 2) ::unlink((dir / "src/c.txt").c_str());
    };
    ASSERT_TRUE(engine.Backup({dir / "src/*.*"}, dir / "a.KBU")) << engine.ErrorMessage();
    const test::ParsedVolume parsed = test::parseVolume(test::readFile(dir / "a.KBU"), true);
    ASSERT_EQ(parsed.entries.size(), 2u) << workers << " workers";
    EXPECT_EQ(parsed.entries[1].name, dir / "src/b.txt");
    EXPECT_EQ(parsed.fileCount, 3) << "the header counts what was measured";
    EXPECT_EQ(engine.FilesDone(), 2);
  }
}

// Many workers must not run the process out of file descriptors: a file that
// cannot be opened early, while measuring or reading ahead, waits for its turn.
TEST(ParallelWriter, RunningOutOfDescriptorsEarlyNeverSkipsAFile) {
  test::TempDir dir;
  for (int i = 0; i < 120; ++i) {
    test::writeFile(dir / ("src/" + std::to_string(1000 + i) + ".txt"), i % 3 == 0 ? "" : "x");
  }
  const Outcome single = run(dir, 1, 0, 0, "one");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  const auto open = static_cast<rlim_t>(
      std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator()));
  rlimit low = saved;
  low.rlim_cur = open + 3;
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
  TBackupFile::SkippedFiles.clear();
  const Outcome many = run(dir, 16, 0, 0, "many");
  const std::vector<std::string> skipped = TBackupFile::SkippedFiles;
  ::setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_TRUE(many.result);
  EXPECT_TRUE(skipped.empty()) << skipped.front();
  EXPECT_EQ(many.events, single.events);
  EXPECT_TRUE(many.volumes == single.volumes);
}

}  // namespace
}  // namespace arkwell::archive
