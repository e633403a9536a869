#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "archive/ArchiveTestSupport.h"
#include "archive/BackupFile.h"
#include "support/TempDir.h"

namespace arkwell::archive {
namespace {

namespace fs = std::filesystem;
using test::ArchiveBuilder;

ArchiveBuilder entryStart(const std::string& name = "/d/a.txt") {
  ArchiveBuilder b;
  b.header("t", 10, 1).name(name).int32(0x582F53C0).marker();
  return b;
}

std::vector<std::string> everythingBelow(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    found.push_back(it->path().string());
  }
  return found;
}

TEST(DamagedArchive, EveryKindOfDamageEndsWithInvalidArchiveAndNamesFileAndOffset) {
  const std::string tooBig = test::zlibStream(std::string(16385, '\0'));
  const std::string good = test::zlibStream("hello");
  std::string badCheck = good;
  badCheck.back() = static_cast<char>(badCheck.back() ^ 0x01);  // Adler-32 no longer matches
  struct Case {
    const char* label;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"block length above 16384", entryStart().int32(16385).bytes(std::string(16385, 'x')).str()},
      {"raw block below -16384", entryStart().int32(-16385).bytes(std::string(16385, 'x')).str()},
      {"block inflating beyond 16384", entryStart().int32(static_cast<int32_t>(tooBig.size())).bytes(tooBig).str()},
      {"block that is no zlib stream", entryStart().int32(6).bytes("garbag").terminator().endMarker().str()},
      {"zlib stream with bytes after it",
       entryStart().int32(static_cast<int32_t>(good.size() + 2)).bytes(good + "!!").terminator().endMarker().str()},
      {"zlib stream with a wrong check value",
       entryStart().int32(static_cast<int32_t>(badCheck.size())).bytes(badCheck).terminator().endMarker().str()},
      {"truncated zlib stream",
       entryStart().int32(static_cast<int32_t>(good.size() - 3)).bytes(good.substr(0, good.size() - 3)).str()},
      {"negative name length", ArchiveBuilder().header("t", 0, 0).int32(-5).bytes("abcdefgh").str()},
      {"huge name length", ArchiveBuilder().header("t", 0, 0).int32(0x7FFFFFFF).bytes("abc").str()},
      {"record cut short in a block", entryStart().int32(100).bytes("short").str()},
      {"cut short in a name", ArchiveBuilder().header("t", 0, 0).int32(20).bytes("/d/a").str()},
      {"no end marker", ArchiveBuilder().header("t", 5, 1).file("/d/a.txt", 1, "hello").str()},
      {"damaged marker", ArchiveBuilder().header("t", 5, 1).name("/d/a.txt").int32(1).bytes("EC3").int32(0).str()},
      {"link with letters", ArchiveBuilder().header("t", 5, 1).file("/d/a.txt", 1, "hello").name("NEXT:DISK0a2").str()},
      {"link skipping a volume",
       ArchiveBuilder().header("t", 5, 1).file("/d/a.txt", 1, "hello").link(5).marker().terminator().endMarker().str()},
      {"link with no file before it", ArchiveBuilder().header("t", 0, 0).link(2).str()},
      {"negative title length", ArchiveBuilder().int32(-1).bytes(std::string(40, '\0')).str()},
      {"text file", std::string("just some text, not an archive at all\n")},
      {"empty file", std::string()},
      {"negative counts", ArchiveBuilder().header("t", -1, -1).endMarker().str()},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const std::string archive = dir / "bad.KBU";
    test::writeFile(archive, c.bytes);
    test::writeFile(dir / "bad.002", ArchiveBuilder().marker().terminator().endMarker().str());
    TBackupFile engine;
    int errorEvents = 0;
    engine.OnError = [&](TBackupFile&, int code, const std::string& text) {
      ++errorEvents;
      EXPECT_EQ(code, 5) << c.label;
      EXPECT_EQ(text, "Invalid archive type") << c.label;
    };
    EXPECT_FALSE(engine.Restore(archive, dir / "out")) << c.label;
    EXPECT_EQ(engine.ErrorCode(), 5) << c.label << ": " << engine.ErrorMessage();
    EXPECT_EQ(errorEvents, 1) << c.label;
    EXPECT_NE(engine.ErrorMessage().find(archive + " at offset "), std::string::npos)
        << c.label << ": " << engine.ErrorMessage();
    for (const std::string& p : everythingBelow(dir.path())) {
      EXPECT_TRUE(p == archive || p == dir / "bad.002" || p.rfind(dir / "out", 0) == 0) << c.label << " wrote " << p;
    }
    EXPECT_FALSE(engine.Test(archive)) << c.label;
    EXPECT_EQ(engine.ErrorCode(), 5) << c.label << ": " << engine.ErrorMessage();
  }
}

TEST(DamagedArchive, ReadArchiveInfoReportsDamageAndAbortsOnlyWhenUnreadable) {
  test::TempDir dir;
  test::writeFile(dir / "text.KBU", "not an archive");
  TBackupFile engine;
  std::vector<std::string> list{"untouched"};
  std::string title;
  EXPECT_NO_THROW(engine.ReadArchiveInfo(dir / "text.KBU", &list, title));
  EXPECT_EQ(engine.ErrorCode(), 5);

  engine.ReadArchiveInfo(dir / "missing.KBU", &list, title);
  EXPECT_EQ(engine.ErrorCode(), 0);
  EXPECT_EQ(list, std::vector<std::string>{"untouched"});

  test::makeFolder(dir / "folder.KBU");
  int errors = 0;
  engine.OnError = [&](TBackupFile&, int code, const std::string&) { errors += code == 3; };
  EXPECT_THROW(engine.ReadArchiveInfo(dir / "folder.KBU", &list, title), ArchiveInfoAborted);
  EXPECT_EQ(errors, 1);
  EXPECT_THROW(engine.Restore(dir / "folder.KBU", dir / "out"), ArchiveError);
  EXPECT_FALSE(engine.Restore(dir / "missing.KBU", dir / "out"));
}

// Millions of tiny lines stay under the byte limit of the list but would
// take gigabytes as separate strings.
TEST(DamagedArchive, AFileListOfTooManyLinesIsDamage) {
  test::TempDir dir;
  ArchiveBuilder b;
  b.header("t", 0, 0).name("FILE:LIST").int32(0).marker();
  constexpr size_t kLinesPerBlock = 5461;  // "a\r\n" each: 16383 bytes
  std::string chunk;
  for (size_t i = 0; i < kLinesPerBlock; ++i) chunk += "a\r\n";
  for (size_t done = 0; done <= 4000000; done += kLinesPerBlock) b.compressedBlock(chunk);
  b.terminator().endMarker().save(dir / "many.KBU");
  TBackupFile engine;
  std::vector<std::string> list;
  std::string title;
  engine.ReadArchiveInfo(dir / "many.KBU", &list, title);
  EXPECT_EQ(engine.ErrorCode(), 5);
  EXPECT_NE(engine.ErrorMessage().find("more than 4000000 lines"), std::string::npos) << engine.ErrorMessage();
  EXPECT_TRUE(list.empty());
}

TEST(DamagedArchive, UnsafeNamesAreRefusedWhileTheOtherFilesAreRestored) {
  test::TempDir dir;
  ArchiveBuilder()
      .header("t", 12, 4)
      .file("/x/../../evil.txt", 1, "evil")
      .file("E:\\..\\evil2.txt", 1, "evil")
      .file("/x/good.txt", 1, "good")
      .file("/x/..", 1, "dots")
      .endMarker()
      .save(dir / "a.KBU");
  for (bool keep : {false, true}) {
    TBackupFile engine;
    engine.RestoreFullPath = keep;
    EXPECT_TRUE(engine.Restore(dir / "a.KBU", dir / "out/t"));
    EXPECT_EQ(engine.FilesDone(), 1);
    EXPECT_EQ(engine.RefusedFiles().size(), 3u);
    EXPECT_EQ(test::readFile(keep ? dir / "out/t/x/good.txt" : dir / "out/t/good.txt"), "good");
    for (const std::string& p : everythingBelow(dir.path())) {
      EXPECT_TRUE(p == dir / "a.KBU" || p.rfind(dir / "out/t", 0) == 0 || p == dir / "out") << p;
    }
  }
}

TEST(DamagedArchive, SymbolicLinksInsideTheTargetLeadNowhereOutside) {
  test::TempDir dir;
  test::makeFolder(dir / "outside");
  test::makeFolder(dir / "out/x");
  ASSERT_EQ(::symlink((dir / "outside").c_str(), (dir / "out/link").c_str()), 0);
  ASSERT_EQ(::symlink((dir / "outside/f.txt").c_str(), (dir / "out/x/f.txt").c_str()), 0);
  ArchiveBuilder()
      .header("t", 9, 3)
      .file("/link/a.txt", 1, "via folder")
      .file("/x/f.txt", 1, "via file")
      .file("/x/ok.txt", 1, "ok")
      .endMarker()
      .save(dir / "a.KBU");
  TBackupFile engine;
  engine.RestoreFullPath = true;
  EXPECT_TRUE(engine.Restore(dir / "a.KBU", dir / "out"));
  EXPECT_EQ(test::readFile(dir / "out/x/ok.txt"), "ok");
  EXPECT_TRUE(everythingBelow(dir / "outside").empty());
  ASSERT_EQ(engine.RefusedFiles().size(), 2u);
  EXPECT_NE(engine.RefusedFiles()[0].find("/link/a.txt"), std::string::npos);
}

TEST(DamagedArchive, DevicesAndFifosAtTheTargetAreRefusedNotOpened) {
  test::TempDir dir;
  test::makeFolder(dir / "out");
  ASSERT_EQ(::mkfifo((dir / "out/fifo.txt").c_str(), 0644), 0);
  ArchiveBuilder().header("t", 3, 2).file("/fifo.txt", 1, "a").file("/ok.txt", 1, "ok").endMarker().save(dir / "a.KBU");
  TBackupFile engine;
  // A doubled trailing slash names the same folder.
  EXPECT_TRUE(engine.Restore(dir / "a.KBU", dir / "out//")) << engine.ErrorMessage();
  EXPECT_EQ(test::readFile(dir / "out/ok.txt"), "ok");
  ASSERT_EQ(engine.RefusedFiles().size(), 1u);
  EXPECT_NE(engine.RefusedFiles()[0].find("not a regular file"), std::string::npos) << engine.RefusedFiles()[0];
}

TEST(DamagedArchive, AnUnwritableTargetIsErrorOneAndStopsTheRestore) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  test::TempDir dir;
  ArchiveBuilder().header("t", 2, 2).file("/a.txt", 1, "a").file("/b.txt", 1, "b").endMarker().save(dir / "a.KBU");
  test::makeFolder(dir / "out");
  ::chmod((dir / "out").c_str(), 0555);
  TBackupFile engine;
  EXPECT_FALSE(engine.Restore(dir / "a.KBU", dir / "out"));
  EXPECT_EQ(engine.ErrorCode(), 1);
  EXPECT_NE(engine.ErrorMessage().find(dir / "out/a.txt"), std::string::npos) << engine.ErrorMessage();
}

}  // namespace
}  // namespace arkwell::archive
