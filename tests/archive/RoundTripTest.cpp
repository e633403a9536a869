#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "archive/ArchiveFormat.h"
#include "archive/ArchiveTestSupport.h"
#include "archive/BackupFile.h"
#include "platform/DosDateTime.h"
#include "support/TempDir.h"

namespace arkwell::archive {
namespace {

using test::readFile;
using test::writeFile;

struct Source {
  const char* label;
  size_t size;
  bool incompressible;
};

const Source kSources[] = {
    {"empty", 0, false},         {"one byte", 1, false},           {"block less one", 16383, false},
    {"one block", 16384, false}, {"block plus one", 16385, false}, {"random", 40000, true},
};

class RoundTrip : public ::testing::TestWithParam<std::tuple<TCompressionLevel, bool>> {};

TEST_P(RoundTrip, RestoresEveryByteAndDate) {
  const auto [level, withList] = GetParam();
  test::TempDir dir;
  const std::time_t moment = test::localMoment(2023, 6, 1, 12, 0, 7);
  std::vector<std::string> contents;
  for (size_t i = 0; i < std::size(kSources); ++i) {
    const Source& s = kSources[i];
    const uint32_t seed = 1000 + static_cast<uint32_t>(i);
    contents.push_back(s.incompressible ? test::randomBytes(s.size, seed) : test::textBytes(s.size, seed));
    const std::string path = dir / ("src/f" + std::to_string(i));
    writeFile(path, contents.back());
    test::setMtime(path, moment);
  }

  TBackupFile engine;
  engine.CompressionLevel = level;
  engine.SaveFileID = withList;
  engine.BackupTitle = "Round trip";
  ASSERT_TRUE(engine.Backup({dir / "src/*.*"}, dir / "a.KBU")) << engine.ErrorMessage();
  EXPECT_EQ(engine.FileCount(), static_cast<int64_t>(std::size(kSources)));

  const test::ParsedVolume parsed = test::parseVolume(readFile(dir / "a.KBU"), true);
  EXPECT_TRUE(parsed.endMarker);
  ASSERT_EQ(parsed.entries.size(), std::size(kSources) + (withList ? 1 : 0));
  if (withList) {
    EXPECT_EQ(parsed.entries[0].name, "FILE:LIST");
  }
  for (size_t i = 0; i < std::size(kSources); ++i) {
    const test::ParsedEntry& e = parsed.entries[i + (withList ? 1 : 0)];
    const size_t expectedBlocks = (kSources[i].size + 16383) / 16384;
    EXPECT_EQ(e.blocks.size(), expectedBlocks) << kSources[i].label;
    EXPECT_EQ(e.fileDate, platform::toDosDateTime(moment));
    // Full blocks that cannot shrink below 16384 bytes are stored raw.
    if (kSources[i].incompressible || level == clNone) {
      for (size_t b = 0; (b + 1) * 16384 <= kSources[i].size; ++b) {
        EXPECT_EQ(e.blocks[b], -16384) << kSources[i].label << " block " << b;
      }
    }
  }

  ASSERT_TRUE(engine.Restore(dir / "a.KBU", dir / "out")) << engine.ErrorMessage();
  EXPECT_EQ(engine.FilesDone(), static_cast<int64_t>(std::size(kSources)));
  for (size_t i = 0; i < std::size(kSources); ++i) {
    const std::string restored = dir / ("out/f" + std::to_string(i));
    EXPECT_EQ(readFile(restored), contents[i]) << kSources[i].label << " (seed " << 1000 + i << ")";
    EXPECT_EQ(platform::fileDosDateTime(restored), platform::toDosDateTime(moment));
  }
  EXPECT_FALSE(test::fileExists(dir / "out/FILE:LIST"));
  EXPECT_TRUE(engine.Test(dir / "a.KBU")) << engine.ErrorMessage();
}

INSTANTIATE_TEST_SUITE_P(LevelsAndLists, RoundTrip,
                         ::testing::Combine(::testing::Values(clFastest, clNone, clDefault, clMax), ::testing::Bool()));

TEST(RoundTrip, EmptyArchivesHaveOnlyHeaderAndEndMarker) {
  test::TempDir dir;
  test::makeFolder(dir / "empty");
  TBackupFile engine;
  engine.BackupTitle = "T";
  ASSERT_TRUE(engine.Backup({dir / "empty/*.*"}, dir / "a.KBU"));
  EXPECT_EQ(readFile(dir / "a.KBU").size(), 4u + 1 + 8 + 8 + 4);

  engine.SaveFileID = true;
  ASSERT_TRUE(engine.Backup({dir / "empty/*.*"}, dir / "b.KBU"));
  const test::ParsedVolume parsed = test::parseVolume(readFile(dir / "b.KBU"), true);
  EXPECT_EQ(parsed.fileCount, 0);
  ASSERT_EQ(parsed.entries.size(), 1u);
  EXPECT_EQ(parsed.entries[0].name, "FILE:LIST");
  std::vector<std::string> list{"stale"};
  std::string title;
  engine.ReadArchiveInfo(dir / "b.KBU", &list, title);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(title, "T");
}

TEST(RoundTrip, StoredFileListDescribesEveryFile) {
  test::TempDir dir;
  writeFile(dir / "src/a.txt", "alpha");
  writeFile(dir / "src/sub/b.txt", std::string(20480, 'b'));
  TBackupFile engine;
  engine.SaveFileID = true;
  engine.BackupTitle = "Docs";
  ASSERT_TRUE(engine.Backup({dir / "src/*.* /s"}, dir / "a.KBU"));
  std::vector<std::string> list;
  std::string title;
  engine.ReadArchiveInfo(dir / "a.KBU", &list, title);
  EXPECT_EQ(engine.ErrorCode(), 0);
  EXPECT_EQ(title, "Docs");
  EXPECT_EQ(engine.FileCount(), 2);
  const std::string listText =
      dir / "src/sub/b.txt" + "\t" + std::to_string(platform::fileDosDateTime(dir / "src/sub/b.txt")) + "=20480";
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], listText) << "sub-folders come before their parent's files";
  EXPECT_EQ(list[1].substr(0, list[1].find('\t')), dir / "src/a.txt");
  // TotalBytes: the files plus the list's own text (two lines with CR LF).
  const int64_t listBytes = static_cast<int64_t>(list[0].size() + list[1].size() + 4);
  EXPECT_EQ(engine.TotalBytes(), 5 + 20480 + listBytes);
}

TEST(RoundTrip, FilesOfTwoGibibytesAndMoreAreStoredWhole) {
  test::TempDir dir;
  const std::string big = dir / "src/big.bin";
  writeFile(big, "");
  const int64_t size = (int64_t{1} << 31) + 3;
  ASSERT_EQ(::truncate(big.c_str(), size), 0);  // sparse: zeros cost no disk
  {
    const int fd = ::open(big.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, "end", 3, size - 3), 3);
    ::close(fd);
  }
  TBackupFile engine;
  ASSERT_TRUE(engine.Backup({big}, dir / "big.KBU")) << engine.ErrorMessage();
  EXPECT_EQ(engine.TotalBytes(), size);
  EXPECT_EQ(engine.BytesDone(), size);
  // Test inflates everything without writing 2 GiB to disk.
  ASSERT_TRUE(engine.Test(dir / "big.KBU")) << engine.ErrorMessage();
  EXPECT_EQ(engine.BytesDone(), size);
  EXPECT_EQ(engine.FilesDone(), 1);
}

}  // namespace
}  // namespace arkwell::archive
