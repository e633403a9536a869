#include <gtest/gtest.h>
#include <unistd.h>

#include "archive/ArchiveFormat.h"
#include "archive/ArchiveTestSupport.h"
#include "archive/BackupFile.h"
#include "support/TempDir.h"

namespace arkwell::archive {
namespace {

using test::ArchiveBuilder;

class Volumes : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      contents.push_back(test::randomBytes(70000 + i * 1000, 40 + i));  // seeds 40..42
      test::writeFile(dir / ("src/f" + std::to_string(i)), contents.back());
    }
  }
  test::TempDir dir;
  std::vector<std::string> contents;
};

TEST_F(Volumes, SmallVolumeSizeSpreadsTheArchiveAndRestoresItWhole) {
  TBackupFile engine;
  engine.MaxSize = format::kVolumeReserve + 50000;
  engine.SaveFileID = true;
  std::vector<int> asked;
  engine.OnNeedDisk = [&](TBackupFile&, uint16_t id, bool&) { asked.push_back(id); };
  ASSERT_TRUE(engine.Backup({dir / "src/*.*"}, dir / "a.KBU")) << engine.ErrorMessage();

  ASSERT_GE(asked.size(), 3u);
  for (size_t i = 0; i < asked.size(); ++i) {
    EXPECT_EQ(asked[i], static_cast<int>(i) + 2);
    const std::string volume = format::volumeFileName(dir / "a.KBU", asked[i]);
    ASSERT_TRUE(test::fileExists(volume)) << volume;
    const test::ParsedVolume parsed = test::parseVolume(test::readFile(volume), false);
    EXPECT_TRUE(parsed.entries.front().continuation);
  }
  const test::ParsedVolume first = test::parseVolume(test::readFile(dir / "a.KBU"), true);
  EXPECT_EQ(first.link, "NEXT:DISK002");
  EXPECT_FALSE(test::fileExists(format::volumeFileName(dir / "a.KBU", static_cast<int>(asked.size()) + 2)));

  std::vector<int> askedOnRestore;
  engine.OnNeedDisk = [&](TBackupFile&, uint16_t id, bool&) { askedOnRestore.push_back(id); };
  ASSERT_TRUE(engine.Restore(dir / "a.KBU", dir / "out")) << engine.ErrorMessage();
  EXPECT_EQ(askedOnRestore, asked) << "asked once per volume even though each is in place";
  for (size_t i = 0; i < contents.size(); ++i) {
    EXPECT_EQ(test::readFile(dir / ("out/f" + std::to_string(i))), contents[i]) << "seed " << 40 + i;
  }
  EXPECT_EQ(engine.FilesDone(), 3);

  std::vector<std::string> list;
  std::string title;
  engine.ReadArchiveInfo(dir / "a.KBU", &list, title);
  EXPECT_EQ(list.size(), 3u);
  EXPECT_TRUE(engine.Test(dir / "a.KBU")) << engine.ErrorMessage();
}

TEST_F(Volumes, ANewVolumeStartsOnceThePositionReachesTheLimitLessReserve) {
  test::writeFile(dir / "src/big", test::randomBytes(3000000, 77));
  TBackupFile engine;
  engine.MaxSize = 1400000;
  ASSERT_TRUE(engine.Backup({dir / "src/big"}, dir / "a.KBU"));
  const std::string first = test::readFile(dir / "a.KBU");
  const test::ParsedVolume parsed = test::parseVolume(first, true);
  ASSERT_EQ(parsed.link, "NEXT:DISK002");
  // Volume 1 ends with the last block, a terminator and a 16-byte link record.
  const int64_t afterLastBlock = static_cast<int64_t>(first.size()) - 4 - 16;
  const int64_t beforeLastBlock = afterLastBlock - 4 - 16384;
  EXPECT_GE(afterLastBlock, 1383516);
  EXPECT_LT(beforeLastBlock, 1383516);
  EXPECT_TRUE(test::fileExists(dir / "a.002"));
  EXPECT_TRUE(test::fileExists(dir / "a.003"));
}

TEST_F(Volumes, AMissingVolumeFailsNamingItWithOrWithoutAHandler) {
  TBackupFile engine;
  engine.MaxSize = format::kVolumeReserve + 50000;
  ASSERT_TRUE(engine.Backup({dir / "src/*.*"}, dir / "a.KBU"));
  ASSERT_EQ(::unlink((dir / "a.002").c_str()), 0);

  for (int variant = 0; variant < 3; ++variant) {
    int asked = 0;
    if (variant == 1) engine.OnNeedDisk = [&](TBackupFile&, uint16_t, bool& go) { ++asked, go = false; };
    if (variant == 2) engine.OnNeedDisk = [&](TBackupFile&, uint16_t, bool&) { ++asked; };  // always "go on"
    EXPECT_FALSE(engine.Restore(dir / "a.KBU", dir / "out")) << variant;
    EXPECT_EQ(engine.ErrorCode(), 3) << variant;
    EXPECT_NE(engine.ErrorMessage().find(dir / "a.002"), std::string::npos) << engine.ErrorMessage();
    EXPECT_EQ(asked > 0, variant > 0);
    EXPECT_LE(asked, 1000) << "never asks for ever";
  }
}

TEST_F(Volumes, RefusingTheNextVolumeDuringBackupStopsWithoutError) {
  TBackupFile engine;
  engine.MaxSize = format::kVolumeReserve + 50000;
  engine.OnNeedDisk = [](TBackupFile&, uint16_t, bool& go) { go = false; };
  EXPECT_FALSE(engine.Backup({dir / "src/*.*"}, dir / "a.KBU"));
  EXPECT_EQ(engine.ErrorCode(), 0);
  EXPECT_FALSE(test::fileExists(dir / "a.002"));
}

TEST(ForeignArchive, WindowsNamesRawBlocksAndCutsWithoutBlocksAreRead) {
  test::TempDir dir;
  const std::string big = test::randomBytes(20000, 5);
  // Volume 1: a drive-letter file cut after its first raw block, then volume
  // 2 continues it, holds a UNC file whose section is cut before any block.
  ArchiveBuilder()
      .header("Made elsewhere", 20000 + 5, 2)
      .name("E:\\Data\\big.bin")
      .int32(0x582F53C0)
      .marker()
      .rawBlock(big.substr(0, 16384))
      .terminator()
      .link(2)
      .save(dir / "w.KBU");
  ArchiveBuilder()
      .marker()
      .compressedBlock(big.substr(16384))
      .terminator()
      .name("\\\\server\\share\\u.txt")
      .int32(0x582F53C0)
      .marker()
      .terminator()
      .link(3)
      .save(dir / "w.002");
  ArchiveBuilder().marker().compressedBlock("hello").terminator().endMarker().save(dir / "w.003");

  TBackupFile engine;
  engine.RestoreFullPath = true;
  ASSERT_TRUE(engine.Restore(dir / "w.KBU", dir / "out")) << engine.ErrorMessage();
  EXPECT_EQ(test::readFile(dir / "out/Data/big.bin"), big);
  EXPECT_EQ(test::readFile(dir / "out/server/share/u.txt"), "hello");
  EXPECT_EQ(engine.FilesDone(), 2);
  EXPECT_TRUE(engine.Test(dir / "w.KBU")) << engine.ErrorMessage();
}

TEST(ForeignArchive, AStoredListCutAcrossVolumesIsReadWhole) {
  test::TempDir dir;
  ArchiveBuilder()
      .header("t", 2, 2)
      .name("FILE:LIST")
      .int32(0)
      .marker()
      .compressedBlock("/d/a.txt\t1=1\r\n/d/b")
      .terminator()
      .link(2)
      .save(dir / "l.KBU");
  ArchiveBuilder().marker().compressedBlock(".txt\t2=1\r\n").terminator().endMarker().save(dir / "l.002");
  TBackupFile engine;
  std::vector<std::string> list;
  std::string title;
  engine.ReadArchiveInfo(dir / "l.KBU", &list, title);
  EXPECT_EQ(engine.ErrorCode(), 0) << engine.ErrorMessage();
  EXPECT_EQ(list, (std::vector<std::string>{"/d/a.txt\t1=1", "/d/b.txt\t2=1"}));

  ::unlink((dir / "l.002").c_str());
  engine.ReadArchiveInfo(dir / "l.KBU", &list, title);
  EXPECT_EQ(engine.ErrorCode(), 3);
  EXPECT_NE(engine.ErrorMessage().find(dir / "l.002"), std::string::npos) << engine.ErrorMessage();
}

}  // namespace
}  // namespace arkwell::archive
