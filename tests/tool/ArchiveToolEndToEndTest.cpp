// Runs the built arkwellbackup-archive on small trees in temporary folders.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "archive/ArchiveFormat.h"
#include "platform/DosDateTime.h"
#include "platform/FileAttributes.h"
#include "support/LocalTime.h"
#include "support/TempDir.h"

namespace arkwell::tool {
namespace {

namespace fs = std::filesystem;
namespace fmt = archive::format;
using test::fileExists;
using test::readFile;
using test::writeFile;

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::ostream& operator<<(std::ostream& os, const RunResult& r) {
  return os << "exit " << r.exitCode << "\n--- stdout\n" << r.out << "--- stderr\n" << r.err;
}

std::string randomBytes(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(rng() & 0xFF);
  return out;
}

std::string textBytes(size_t size) {
  std::string out;
  while (out.size() < size) out += "the quick backup jumps over the lazy archive\n";
  out.resize(size);
  return out;
}

// The path column of the entry lines of a listing.
std::set<std::string> listedPaths(const std::string& listing) {
  std::set<std::string> paths;
  std::istringstream lines(listing);
  std::string line;
  while (std::getline(lines, line)) {
    const size_t second = line.find('\t', line.find('\t') + 1);
    if (line.find('\t') != std::string::npos && second != std::string::npos) {
      paths.insert(line.substr(second + 1));
    }
  }
  return paths;
}

class ArchiveToolRun : public ::testing::Test {
 protected:
  void SetUp() override {
    // Stored names come from the real current folder, so compare against it.
    root_ = fs::canonical(dir_.path()).string();
    src_ = root_ + "/src";
    files_ = {
        {"notes.txt", textBytes(40000)},
        {"photo.bin", randomBytes(70000, 7)},
        {"sub/readme.md", "read me\n"},
        {"sub/deep/empty.dat", ""},
    };
    for (const auto& [relative, bytes] : files_) {
      writeFile(src_ + "/" + relative, bytes);
    }
    const std::time_t moment = test::localMoment(2021, 3, 4, 5, 6, 8);
    const struct timespec times[2] = {{moment, 0}, {moment, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (src_ + "/notes.txt").c_str(), times, 0), 0);
  }

  RunResult run(const std::vector<std::string>& args, const std::string& cwd = {}) {
    const std::string outPath = root_ + "/run.out";
    const std::string errPath = root_ + "/run.err";
    std::vector<std::string> words{ARKWELL_ARCHIVE_TOOL};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
      const int in = ::open("/dev/null", O_RDONLY);
      const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (in < 0 || out < 0 || err < 0 || (!cwd.empty() && ::chdir(cwd.c_str()) != 0)) ::_exit(126);
      ::dup2(in, 0);
      ::dup2(out, 1);
      ::dup2(err, 2);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    RunResult result;
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) {
      ADD_FAILURE() << "cannot run " << ARKWELL_ARCHIVE_TOOL;
      return result;
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
  }

  std::set<std::string> absolute(const std::set<std::string>& relatives) const {
    std::set<std::string> paths;
    for (const std::string& relative : relatives) paths.insert(src_ + "/" + relative);
    return paths;
  }

  test::TempDir dir_;
  std::string root_;
  std::string src_;
  std::map<std::string, std::string> files_;
};

TEST_F(ArchiveToolRun, RoundTripThroughListTestAndExtract) {
  const std::string archive = root_ + "/round.kbu";
  test::makeFolder(root_ + "/work");
  // A relative PATH with "..": stored names must still be restorable.
  const RunResult created = run({"create", "--title", "Round trip", "--recursive", archive, "../src"}, root_ + "/work");
  ASSERT_EQ(created.exitCode, 0) << created;
  EXPECT_EQ(created.err, "");

  const RunResult listed = run({"list", archive});
  ASSERT_EQ(listed.exitCode, 0) << listed;
  EXPECT_TRUE(listed.out.starts_with("Title: Round trip\nFiles: 4\nBytes: ")) << listed;
  EXPECT_EQ(listedPaths(listed.out), absolute({"notes.txt", "photo.bin", "sub/readme.md", "sub/deep/empty.dat"}))
      << listed;
  EXPECT_NE(listed.out.find("\n40000\t2021-03-04 05:06:08\t" + src_ + "/notes.txt\n"), std::string::npos) << listed;
  EXPECT_NE(listed.out.find("\n0\t"), std::string::npos) << listed;

  const RunResult tested = run({"test", archive});
  ASSERT_EQ(tested.exitCode, 0) << tested;
  EXPECT_TRUE(tested.out.starts_with("OK: 4 entries, ")) << tested;
  EXPECT_TRUE(tested.out.ends_with(" in 1 volume(s)\n")) << tested;

  const std::string target = root_ + "/restored";
  const RunResult extracted = run({"extract", "--to", target, "--keep-structure", archive});
  ASSERT_EQ(extracted.exitCode, 0) << extracted;
  EXPECT_EQ(extracted.out, "4 files written\n");
  for (const auto& [relative, bytes] : files_) {
    const std::string restored = target + src_ + "/" + relative;
    ASSERT_TRUE(fileExists(restored)) << restored;
    EXPECT_EQ(readFile(restored), bytes) << restored;
  }
}

TEST_F(ArchiveToolRun, VolumesAreCountedAndEachIsNeeded) {
  const std::string big = randomBytes(120000, 11);
  writeFile(root_ + "/big/data.bin", big);
  const std::string archive = root_ + "/vol.kbu";
  const RunResult created = run({"create", "--level", "none", "--volume-size", "40000", archive, root_ + "/big"});
  ASSERT_EQ(created.exitCode, 0) << created;
  int volumes = 1;
  while (fileExists(fmt::volumeFileName(archive, volumes + 1))) ++volumes;
  ASSERT_GE(volumes, 3);

  const RunResult tested = run({"test", archive});
  ASSERT_EQ(tested.exitCode, 0) << tested;
  EXPECT_TRUE(tested.out.ends_with(" in " + std::to_string(volumes) + " volume(s)\n")) << tested;

  const RunResult extracted = run({"extract", "--to", root_ + "/flat", archive});
  ASSERT_EQ(extracted.exitCode, 0) << extracted;
  EXPECT_EQ(readFile(root_ + "/flat/data.bin"), big);

  const std::string third = fmt::volumeFileName(archive, 3);
  fs::remove(third);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"test", archive},
        std::vector<std::string>{"extract", "--to", root_ + "/again", archive}}) {
    const RunResult failed = run(args);
    EXPECT_EQ(failed.exitCode, 1) << failed;
    EXPECT_NE(failed.err.find(third), std::string::npos) << failed;
  }
}

TEST_F(ArchiveToolRun, CreateOptionsChooseTheStoredFiles) {
  struct Case {
    const char* what;
    std::vector<std::string> options;
    std::vector<std::string> paths;
    std::set<std::string> expected;
  };
  const Case cases[] = {
      {"folder without --recursive", {}, {"src"}, {"notes.txt", "photo.bin"}},
      {"--recursive", {"--recursive"}, {"src/"}, {"notes.txt", "photo.bin", "sub/readme.md", "sub/deep/empty.dat"}},
      {"--mask", {"--recursive", "--mask", "*.txt;*.MD"}, {"src"}, {"notes.txt", "sub/readme.md"}},
      {"--exclude", {"--recursive", "--exclude", "/SUB/", "--exclude", "photo"}, {"src"}, {"notes.txt"}},
      {"file and folder", {}, {"src/sub/readme.md", "./src/sub/deep"}, {"sub/readme.md", "sub/deep/empty.dat"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"create"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back("sel.kbu");
    args.insert(args.end(), c.paths.begin(), c.paths.end());
    const RunResult created = run(args, root_);
    ASSERT_EQ(created.exitCode, 0) << c.what << "\n" << created;
    const RunResult listed = run({"list", root_ + "/sel.kbu"});
    ASSERT_EQ(listed.exitCode, 0) << c.what << "\n" << listed;
    EXPECT_EQ(listedPaths(listed.out), absolute(c.expected)) << c.what << "\n" << listed;
    EXPECT_NE(listed.out.find("Files: " + std::to_string(c.expected.size()) + "\n"), std::string::npos)
        << c.what << "\n"
        << listed;
  }

  const RunResult created = run({"create", "--recursive", "--no-file-list", "bare.kbu", "src"}, root_);
  ASSERT_EQ(created.exitCode, 0) << created;
  const RunResult listed = run({"list", root_ + "/bare.kbu"});
  ASSERT_EQ(listed.exitCode, 0) << listed;
  EXPECT_TRUE(listed.out.starts_with("Title: \nFiles: 4\n")) << listed;
  EXPECT_TRUE(listed.out.ends_with("\n(no file list stored)\n")) << listed;
}

TEST_F(ArchiveToolRun, LevelReachesTheEngine) {
  std::map<std::string, uintmax_t> sizes;
  for (const char* level : {"none", "max"}) {
    const std::string archive = root_ + "/" + level + ".kbu";
    const RunResult created = run({"create", "--no-file-list", "--level", level, archive, src_ + "/notes.txt"});
    ASSERT_EQ(created.exitCode, 0) << created;
    sizes[level] = fs::file_size(archive);
  }
  EXPECT_GT(sizes["none"], 40000u);
  EXPECT_LT(sizes["max"], 4000u);
}

TEST_F(ArchiveToolRun, ArchiveFlagOptionsDriveIncrementalBackups) {
  const std::string probe = root_ + "/probe";
  writeFile(probe, "x");
  if (!platform::clearArchiveFlag(probe)) {
    GTEST_SKIP() << "no extended attributes in " << root_;
  }
  // Without --clear-archive-flag a full backup leaves every file marked.
  ASSERT_EQ(run({"create", "--recursive", "full.kbu", "src"}, root_).exitCode, 0);
  ASSERT_EQ(run({"create", "--recursive", "--incremental", "inc1.kbu", "src"}, root_).exitCode, 0);
  EXPECT_EQ(listedPaths(run({"list", root_ + "/inc1.kbu"}).out).size(), 4u);

  // The incremental run cleared the flags; mark everything again.
  for (const auto& [relative, bytes] : files_) {
    ASSERT_TRUE(platform::setArchiveFlag(src_ + "/" + relative)) << relative;
  }
  ASSERT_EQ(run({"create", "--recursive", "--clear-archive-flag", "full2.kbu", "src"}, root_).exitCode, 0);
  writeFile(src_ + "/sub/readme.md", "changed since the full backup\n");
  const RunResult created = run({"create", "--recursive", "--incremental", "inc2.kbu", "src"}, root_);
  ASSERT_EQ(created.exitCode, 0) << created;
  EXPECT_EQ(listedPaths(run({"list", root_ + "/inc2.kbu"}).out), absolute({"sub/readme.md"}));
}

TEST_F(ArchiveToolRun, ExtractModeDecidesAboutExistingFiles) {
  const std::string archive = root_ + "/modes.kbu";
  ASSERT_EQ(run({"create", "--recursive", archive, src_}).exitCode, 0);
  struct Case {
    std::vector<std::string> options;
    bool notesReplaced;
    bool photoWritten;
    int filesWritten;
  };
  const Case cases[] = {
      {{}, true, true, 4},
      {{"--mode", "no-overwrite"}, false, true, 3},
      {{"--mode", "existing"}, true, false, 1},
  };
  int row = 0;
  for (const Case& c : cases) {
    const std::string target = root_ + "/out" + std::to_string(++row);
    writeFile(target + "/notes.txt", "old");
    std::vector<std::string> args{"extract", "--to", target};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(archive);
    const RunResult extracted = run(args);
    ASSERT_EQ(extracted.exitCode, 0) << "row " << row << "\n" << extracted;
    EXPECT_EQ(extracted.out, std::to_string(c.filesWritten) + " files written\n") << "row " << row;
    EXPECT_EQ(readFile(target + "/notes.txt") != "old", c.notesReplaced) << "row " << row;
    EXPECT_EQ(fileExists(target + "/photo.bin"), c.photoWritten) << "row " << row;
  }
}

TEST_F(ArchiveToolRun, RefusedEntriesMakeExtractFail) {
  // Hand-made, as the writer never stores such a name.
  const int32_t date = platform::toDosDateTime(std::time(nullptr));
  std::string bytes = fmt::encodeHeader("", 6, 2);
  for (const char* name : {"/x/good.txt", "/x/../evil.txt"}) {
    bytes += fmt::encodeEntryStart(name, date);
    fmt::putInt32(bytes, -3);  // a stored (not deflated) block
    bytes += "abc";
    fmt::putInt32(bytes, fmt::kTerminator);
  }
  fmt::putInt32(bytes, fmt::kEndMarker);
  const std::string archive = root_ + "/hostile.kbu";
  writeFile(archive, bytes);

  const std::string target = root_ + "/out";
  const RunResult extracted = run({"extract", "--to", target, "--keep-structure", archive});
  EXPECT_EQ(extracted.exitCode, 1) << extracted;
  EXPECT_EQ(extracted.out, "1 files written\n");
  EXPECT_NE(extracted.err.find("refused: /x/../evil.txt"), std::string::npos) << extracted;
  EXPECT_EQ(readFile(target + "/x/good.txt"), "abc");
  EXPECT_FALSE(fileExists(target + "/evil.txt"));
  EXPECT_FALSE(fileExists(root_ + "/evil.txt"));
}

TEST_F(ArchiveToolRun, WrongUsageExitsWithTwoAndShowsUsage) {
  const std::string archive = root_ + "/never.kbu";
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate", archive},
      {"create", archive},
      {"create", "--level", "turbo", archive, src_},
      {"create", "--volume-size", "12x", archive, src_},
      {"create", "--volume-size", "0", archive, src_},
      {"extract", "--mode", "sometimes", archive},
      {"list"},
      {"test", "--bogus", archive},
  };
  for (const std::vector<std::string>& args : cases) {
    const RunResult r = run(args);
    EXPECT_EQ(r.exitCode, 2) << r;
    EXPECT_NE(r.err.find("Usage:"), std::string::npos) << r;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fileExists(archive));
  }
  const RunResult help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0) << help;
  EXPECT_NE(help.out.find("Usage:"), std::string::npos) << help;
  EXPECT_EQ(help.err, "");
}

TEST_F(ArchiveToolRun, MissingFilesFailNamingThem) {
  const std::string missing = root_ + "/missing.kbu";
  for (const char* command : {"list", "test", "extract"}) {
    const RunResult r = run({command, missing});
    EXPECT_EQ(r.exitCode, 1) << command << "\n" << r;
    EXPECT_NE(r.err.find(missing), std::string::npos) << command << "\n" << r;
  }
  const std::string archive = root_ + "/new.kbu";
  const std::string missingPath = src_ + "/no-such-folder";
  const RunResult created = run({"create", archive, src_, missingPath});
  EXPECT_EQ(created.exitCode, 1) << created;
  EXPECT_NE(created.err.find(missingPath), std::string::npos) << created;
  EXPECT_FALSE(fileExists(archive));
}

TEST_F(ArchiveToolRun, TruncatedArchiveFailsTestNamingIt) {
  const std::string archive = root_ + "/whole.kbu";
  ASSERT_EQ(run({"create", "--recursive", archive, src_}).exitCode, 0);
  const std::string bytes = readFile(archive);
  const std::string cut = root_ + "/cut.kbu";
  writeFile(cut, bytes.substr(0, bytes.size() / 2));

  const RunResult tested = run({"test", cut});
  EXPECT_EQ(tested.exitCode, 1) << tested;
  EXPECT_NE(tested.err.find(cut), std::string::npos) << tested;
  EXPECT_TRUE(tested.err.starts_with("error ")) << tested;
}

// Linux names may hold escape sequences and line breaks: a listing shows
// them as '?' and, when they break the stored list, names the first few
// unreadable lines only.
TEST_F(ArchiveToolRun, ListingShowsControlCharactersSafelyAndFewUnreadableLines) {
  const std::string odd = root_ + "/odd";
  writeFile(odd + "/bell\aand\x1b[31mred.txt", "x");
  for (int i = 0; i < 12; ++i) writeFile(odd + "/line" + std::to_string(10 + i) + "\nbreak", "y");
  const std::string archive = root_ + "/odd.kbu";
  ASSERT_EQ(run({"create", "--recursive", archive, odd}).exitCode, 0);

  const RunResult listed = run({"list", archive});
  EXPECT_EQ(listed.exitCode, 1) << listed;
  EXPECT_NE(listed.out.find("\t" + odd + "/bell?and?[31mred.txt\n"), std::string::npos) << listed;
  EXPECT_EQ(listed.out.find_first_of("\a\x1b"), std::string::npos) << listed;
  size_t named = 0;
  for (size_t at = listed.err.find("unreadable file list line "); at != std::string::npos;
       at = listed.err.find("unreadable file list line ", at + 1)) {
    ++named;
  }
  EXPECT_EQ(named, 10u) << listed;
  EXPECT_NE(listed.err.find(archive + ": 2 more unreadable file list lines\n"), std::string::npos) << listed;
}

}  // namespace
}  // namespace arkwell::tool
