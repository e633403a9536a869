#include <gtest/gtest.h>

#include <tuple>

#include "ArchiveToolOptions.h"

namespace arkwell::tool {
namespace {

using Outcome = ParsedCommandLine::Outcome;

auto fieldsOf(const ArchiveToolOptions& o) {
  return std::tuple(static_cast<int>(o.command), o.archive, o.title, static_cast<int>(o.level), o.mask, o.recursive,
                    o.incremental, o.clearArchiveFlag, o.saveFileList, o.volumeSize, o.excludes, o.paths,
                    o.targetFolder, o.keepStructure, static_cast<int>(o.restoreMode));
}

std::string joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& arg : args) text += "[" + arg + "]";
  return text;
}

TEST(ArchiveToolOptions, AcceptedFormsFillEveryField) {
  struct Case {
    std::vector<std::string> args;
    ArchiveToolOptions expected;
  };
  const auto options = [](auto change) {
    ArchiveToolOptions o;
    change(o);
    return o;
  };
  const Case cases[] = {
      {{"create", "a.kbu", "docs"}, options([](auto& o) {
         o.command = ToolCommand::Create;
         o.archive = "a.kbu";
         o.paths = {"docs"};
       })},
      {{"create", "--title", "Weekly", "--level", "max", "--mask", "*.txt;*.doc", "--recursive", "--incremental",
        "--clear-archive-flag", "--no-file-list", "--volume-size", "1457664", "--exclude", "cache", "--exclude=.tmp",
        "a.kbu", "docs", "notes.txt"},
       options([](auto& o) {
         o.command = ToolCommand::Create;
         o.archive = "a.kbu";
         o.title = "Weekly";
         o.level = archive::clMax;
         o.mask = "*.txt;*.doc";
         o.recursive = o.incremental = o.clearArchiveFlag = true;
         o.saveFileList = false;
         o.volumeSize = 1457664;
         o.excludes = {"cache", ".tmp"};
         o.paths = {"docs", "notes.txt"};
       })},
      // Options after operands, "=" values, and "--" ending the options.
      {{"create", "a.kbu", "docs", "--level=none", "--title=", "--volume-size=007", "--", "--odd", "-"},
       options([](auto& o) {
         o.command = ToolCommand::Create;
         o.archive = "a.kbu";
         o.level = archive::clNone;
         o.volumeSize = 7;
         o.paths = {"docs", "--odd", "-"};
       })},
      {{"create", "--level", "default", "--level", "fastest", "a", "b"}, options([](auto& o) {
         o.command = ToolCommand::Create;
         o.archive = "a";
         o.paths = {"b"};
       })},
      {{"create", "--level", "default", "a", "b"}, options([](auto& o) {
         o.command = ToolCommand::Create;
         o.archive = "a";
         o.level = archive::clDefault;
         o.paths = {"b"};
       })},
      {{"list", "a.kbu"}, options([](auto& o) { o.archive = "a.kbu"; })},
      {{"test", "/x/a.kbu"}, options([](auto& o) {
         o.command = ToolCommand::Test;
         o.archive = "/x/a.kbu";
       })},
      {{"extract", "a.kbu"}, options([](auto& o) {
         o.command = ToolCommand::Extract;
         o.archive = "a.kbu";
       })},
      {{"extract", "--to", "out", "--keep-structure", "--mode", "no-overwrite", "a.kbu"}, options([](auto& o) {
         o.command = ToolCommand::Extract;
         o.archive = "a.kbu";
         o.targetFolder = "out";
         o.keepStructure = true;
         o.restoreMode = archive::rmNoOverwrite;
       })},
  };
  for (const Case& c : cases) {
    const ParsedCommandLine parsed = parseArchiveToolArgs(c.args);
    ASSERT_EQ(parsed.outcome, Outcome::Run) << joined(c.args) << ": " << parsed.error;
    EXPECT_EQ(fieldsOf(parsed.options), fieldsOf(c.expected)) << joined(c.args);
  }
}

TEST(ArchiveToolOptions, ModeNamesMapToRestoreModes) {
  const std::pair<const char*, archive::TRestoreMode> cases[] = {
      {"all", archive::rmAll},           {"no-overwrite", archive::rmNoOverwrite},     {"newer", archive::rmNewer},
      {"existing", archive::rmExisting}, {"existing-newer", archive::rmExistingNewer},
  };
  for (const auto& [name, mode] : cases) {
    const ParsedCommandLine parsed = parseArchiveToolArgs({"extract", "--mode", name, "a.kbu"});
    ASSERT_EQ(parsed.outcome, Outcome::Run) << name;
    EXPECT_EQ(parsed.options.restoreMode, mode) << name;
  }
}

TEST(ArchiveToolOptions, HelpWinsAnywhereBeforeDoubleDash) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--help"}, {"-h"}, {"create", "--help"}, {"extract", "a.kbu", "-h"}, {"list", "--bogus", "--help"}}) {
    EXPECT_EQ(parseArchiveToolArgs(args).outcome, Outcome::Help) << joined(args);
  }
  // After "--" it is a path like any other.
  const ParsedCommandLine parsed = parseArchiveToolArgs({"create", "a.kbu", "--", "--help"});
  EXPECT_EQ(parsed.outcome, Outcome::Run);
  EXPECT_EQ(parsed.options.paths, std::vector<std::string>{"--help"});
}

TEST(ArchiveToolOptions, RejectedFormsSayWhatIsWrong) {
  struct Case {
    std::vector<std::string> args;
    const char* errorMentions;
  };
  const Case cases[] = {
      {{"pack", "a.kbu"}, "pack"},
      {{"create"}, "ARCHIVE"},
      {{"create", "a.kbu"}, "PATH"},
      {{"create", "a.kbu", ""}, "PATH"},
      {{"list"}, "ARCHIVE"},
      {{"list", ""}, "ARCHIVE"},
      {{"test"}, "ARCHIVE"},
      {{"extract", "--to", "out"}, "ARCHIVE"},
      {{"list", "a.kbu", "b.kbu"}, "b.kbu"},
      {{"test", "a.kbu", "extra"}, "extra"},
      {{"create", "--level", "turbo", "a.kbu", "d"}, "turbo"},
      {{"create", "--level", "MAX", "a.kbu", "d"}, "MAX"},
      {{"create", "a.kbu", "d", "--level"}, "needs a value"},
      {{"extract", "--mode", "sometimes", "a.kbu"}, "sometimes"},
      {{"extract", "a.kbu", "--mode"}, "needs a value"},
      {{"create", "--volume-size", "12x", "a.kbu", "d"}, "12x"},
      {{"create", "--volume-size", "-5", "a.kbu", "d"}, "-5"},
      {{"create", "--volume-size", "0", "a.kbu", "d"}, "--volume-size"},
      {{"create", "--volume-size", "+5", "a.kbu", "d"}, "+5"},
      {{"create", "--volume-size", "1.5", "a.kbu", "d"}, "1.5"},
      {{"create", "--volume-size=", "a.kbu", "d"}, "--volume-size"},
      {{"create", "--volume-size", "99999999999999999999", "a.kbu", "d"}, "99999999999999999999"},
      {{"create", "--bogus", "a.kbu", "d"}, "--bogus"},
      {{"create", "-r", "a.kbu", "d"}, "-r"},
      {{"create", "--recursive=yes", "a.kbu", "d"}, "takes no value"},
      {{"create", "--mask", "sub/*.txt", "a.kbu", "d"}, "sub/*.txt"},
      {{"create", "--mask=", "a.kbu", "d"}, "--mask"},
      {{"create", "--exclude", "", "a.kbu", "d"}, "--exclude"},
      {{"list", "--to", "out", "a.kbu"}, "--to"},
      {{"test", "--recursive", "a.kbu"}, "--recursive"},
      {{"extract", "--to", "", "a.kbu"}, "--to"},
      {{"extract", "--title", "x", "a.kbu"}, "--title"},
  };
  for (const Case& c : cases) {
    const ParsedCommandLine parsed = parseArchiveToolArgs(c.args);
    EXPECT_EQ(parsed.outcome, Outcome::UsageError) << joined(c.args);
    EXPECT_NE(parsed.error.find(c.errorMentions), std::string::npos)
        << joined(c.args) << " gave \"" << parsed.error << "\"";
  }
}

TEST(ArchiveToolOptions, NoArgumentsIsAUsageErrorWithoutText) {
  const ParsedCommandLine parsed = parseArchiveToolArgs({});
  EXPECT_EQ(parsed.outcome, Outcome::UsageError);
  EXPECT_TRUE(parsed.error.empty()) << parsed.error;
}

}  // namespace
}  // namespace arkwell::tool
