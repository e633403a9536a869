#include <gtest/gtest.h>

#include "archive/ArchiveFormat.h"
#include "archive/ArchiveTestSupport.h"
#include "archive/BlockCodec.h"
#include "platform/DosDateTime.h"

namespace arkwell::archive {
namespace {

std::string hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
    out += ' ';
  }
  return out;
}

TEST(ArchiveFormat, WorkedExampleComesOutByteForByte) {
  const int32_t date = platform::toDosDateTime(test::localMoment(2024, 1, 15, 10, 30, 0));
  BlockCompressor compressor(zlibLevel(clFastest));
  const CompressedBlock block = compressor.compress("abc", 3);

  std::string archive = format::encodeHeader("Docs", 3, 1);
  archive += format::encodeEntryStart("E:\\a.txt", date);
  format::putInt32(archive, block.length);
  archive.append(block.data, block.size());
  format::putInt32(archive, format::kTerminator);
  format::putInt32(archive, format::kEndMarker);

  const std::string expected(
      "\x04\x00\x00\x00"
      "Docs"
      "\x03\x00\x00\x00\x00\x00\x00\x00"
      "\x01\x00\x00\x00\x00\x00\x00\x00"
      "\x08\x00\x00\x00"
      "E:\\a.txt"
      "\xC0\x53\x2F\x58"
      "EC2\x00"
      "\x0B\x00\x00\x00"
      "\x78\x01\x4B\x4C\x4A\x06\x00\x02\x4D\x01\x27"
      "\x00\x00\x00\x00"
      "\x00\x00\x00\x00",
      67);
  EXPECT_EQ(hex(archive), hex(expected));
}

TEST(ArchiveFormat, BlocksAreRawWhenCompressionCannotShrinkThem) {
  struct Case {
    TCompressionLevel level;
    std::string input;
    bool raw;
  };
  const std::string full = test::textBytes(format::kBlockSize, 7);
  const Case cases[] = {
      {clNone, full, true},  // stored deflate of a full block never fits
      {clNone, "abc", false}, {clFastest, test::randomBytes(format::kBlockSize, 11), true},
      {clMax, full, false},   {clDefault, std::string(), false},  // an empty read still makes a compressed block
  };
  for (const Case& c : cases) {
    BlockCompressor compressor(zlibLevel(c.level));
    const CompressedBlock block = compressor.compress(c.input.data(), c.input.size());
    EXPECT_EQ(block.length < 0, c.raw) << "level " << c.level << " size " << c.input.size();
    EXPECT_LE(block.size(), static_cast<size_t>(format::kBlockSize));
    if (block.length > 0) {
      BlockInflater inflater;
      std::string out(format::kBlockSize, '\0');
      size_t produced = 0;
      ASSERT_EQ(inflater.inflate(block.data, block.size(), out.data(), produced), InflateResult::ok);
      EXPECT_EQ(out.substr(0, produced), c.input);
    } else {
      EXPECT_EQ(std::string(block.data, block.size()), c.input);
    }
  }
}

TEST(ArchiveFormat, InflaterNamesEachKindOfDamage) {
  const std::string fullBlock(format::kBlockSize, 'z');
  const std::string full = test::zlibStream(fullBlock);
  const std::string good = test::zlibStream("hello");
  std::string badCheck = good;
  badCheck.back() = static_cast<char>(badCheck.back() ^ 0x01);
  struct Case {
    const char* label;
    std::string stream;
    InflateResult expected;
  };
  const Case cases[] = {
      {"a full block", full, InflateResult::ok},
      {"more than a block", test::zlibStream(fullBlock + "z"), InflateResult::tooLarge},
      // Output full and no check value yet: it cannot tell a cut from more data.
      {"a full block cut before its check value", full.substr(0, full.size() - 4), InflateResult::tooLarge},
      {"bytes after the stream", good + "!!", InflateResult::notOneStream},
      {"a wrong check value", badCheck, InflateResult::notOneStream},
      {"a cut inside the stream", good.substr(0, good.size() - 3), InflateResult::notOneStream},
      {"no zlib stream at all", "garbag", InflateResult::notOneStream},
  };
  BlockInflater inflater;
  std::string out(format::kBlockSize, '\0');
  for (const Case& c : cases) {
    size_t produced = 0;
    EXPECT_EQ(inflater.inflate(c.stream.data(), c.stream.size(), out.data(), produced), c.expected) << c.label;
    if (c.expected == InflateResult::ok) EXPECT_EQ(out.substr(0, produced), fullBlock) << c.label;
  }
}

TEST(ArchiveFormat, ReusedCompressorGivesTheBytesOfAFreshOne) {
  BlockCompressor reused(zlibLevel(clDefault));
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    const std::string input = test::textBytes(5000 + seed * 1000, seed);
    const CompressedBlock a = reused.compress(input.data(), input.size());
    const std::string first(a.data, a.size());
    BlockCompressor fresh(zlibLevel(clDefault));
    const CompressedBlock b = fresh.compress(input.data(), input.size());
    EXPECT_EQ(first, std::string(b.data, b.size())) << "seed " << seed;
  }
}

TEST(ArchiveFormat, VolumeNamesAndLinkRecords) {
  EXPECT_EQ(format::volumeFileName("/b/20240115-1030.KBU", 2), "/b/20240115-1030.002");
  EXPECT_EQ(format::volumeFileName("/b/x.KBU", 12), "/b/x.012");
  EXPECT_EQ(format::volumeFileName("/b.d/archive", 3), "/b.d/archive.003");
  EXPECT_EQ(format::encodeLinkRecord(12), std::string("\x0C\x00\x00\x00NEXT:DISK012", 16));

  struct Case {
    const char* name;
    int number;  // -1: not a link
  };
  const Case cases[] = {{"NEXT:DISK002", 2},   {"NEXT:DISK999", 999}, {"NEXT:DISK02", -1},
                        {"NEXT:DISK0002", -1}, {"NEXT:DISK0x2", -1},  {"NEXT:DISK-12", -1}};
  for (const Case& c : cases) {
    const auto parsed = format::parseLinkRecord(c.name);
    EXPECT_EQ(parsed.value_or(-1), c.number) << c.name;
  }
}

TEST(ArchiveFormat, PercentRoundsHalvesToEven) {
  struct Case {
    int64_t done, total;
    int percent;
  };
  const Case cases[] = {{1, 200, 0}, {3, 200, 2},     {5, 200, 2}, {7, 200, 4}, {1, 3, 33},
                        {2, 3, 67},  {150, 100, 150}, {0, 0, 100}, {5, 0, 100}};
  for (const Case& c : cases) {
    EXPECT_EQ(format::percentOf(c.done, c.total), c.percent) << c.done << "/" << c.total;
  }
}

TEST(ArchiveFormat, FileListLines) {
  EXPECT_EQ(format::fileListLine("/d/a b.txt", -5, 20480), "/d/a b.txt\t-5=20480\r\n");
  const auto entry = format::parseFileListLine("E:\\x\ty.txt\t1479365568=7");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->path, "E:\\x\ty.txt");
  EXPECT_EQ(entry->fileDate, 1479365568);
  EXPECT_EQ(entry->size, 7);
  EXPECT_FALSE(format::parseFileListLine("no tab here"));
  EXPECT_FALSE(format::parseFileListLine("p\t12=x"));
}

}  // namespace
}  // namespace arkwell::archive
