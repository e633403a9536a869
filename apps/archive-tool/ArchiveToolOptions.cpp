#include "ArchiveToolOptions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <system_error>
#include <utility>

namespace arkwell::tool {

namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  arkwellbackup-archive create [--title T] [--level fastest|none|default|max] [--mask M] [--recursive]\n"
    "                               [--incremental] [--clear-archive-flag] [--no-file-list]\n"
    "                               [--volume-size BYTES] [--exclude FRAGMENT]... ARCHIVE PATH...\n"
    "  arkwellbackup-archive list ARCHIVE\n"
    "  arkwellbackup-archive extract [--to FOLDER] [--keep-structure]\n"
    "                                [--mode all|no-overwrite|newer|existing|existing-newer] ARCHIVE\n"
    "  arkwellbackup-archive test ARCHIVE\n"
    "  arkwellbackup-archive --help\n"
    "\n"
    "create   stores each file PATH, and the files of each folder PATH that match --mask (default *.*);\n"
    "         --recursive includes sub-folders, --exclude leaves out paths containing FRAGMENT,\n"
    "         --incremental stores only files with the archive flag set and clears it afterwards,\n"
    "         --volume-size splits the archive into volumes of at most BYTES (ARCHIVE, then .002, ...).\n"
    "list     shows title, totals and the stored file list (size, date, path).\n"
    "extract  restores to where the files came from, or into --to FOLDER (with --keep-structure\n"
    "         below it under their full stored path); --mode decides which existing files are replaced.\n"
    "test     reads and inflates every entry of every volume without writing anything.\n";

using Apply = std::string (*)(ArchiveToolOptions&, const std::string&);

// An option with a value runs `apply`; a switch sets its flag to `setTo`.
struct OptionRule {
  std::string_view name;
  Apply apply = nullptr;
  bool ArchiveToolOptions::*flag = nullptr;
  bool setTo = true;
  bool takesValue() const { return apply != nullptr; }
};

constexpr OptionRule valueOption(std::string_view name, Apply apply) {
  return {name, apply};
}
constexpr OptionRule switchOption(std::string_view name, bool ArchiveToolOptions::*flag, bool setTo = true) {
  return {name, nullptr, flag, setTo};
}

template <typename Value, size_t N>
bool lookUp(const std::array<std::pair<std::string_view, Value>, N>& table, const std::string& key, Value& out) {
  for (const auto& [name, value] : table) {
    if (name == key) {
      out = value;
      return true;
    }
  }
  return false;
}

constexpr std::array<std::pair<std::string_view, archive::TCompressionLevel>, 4> kLevels{{
    {"fastest", archive::clFastest},
    {"none", archive::clNone},
    {"default", archive::clDefault},
    {"max", archive::clMax},
}};

constexpr std::array<std::pair<std::string_view, archive::TRestoreMode>, 5> kModes{{
    {"all", archive::rmAll},
    {"no-overwrite", archive::rmNoOverwrite},
    {"newer", archive::rmNewer},
    {"existing", archive::rmExisting},
    {"existing-newer", archive::rmExistingNewer},
}};

// Digits only: "12x", "-5", "+5" and "0x10" are all mistakes for a size.
std::string parseVolumeSize(const std::string& text, int64_t& out) {
  int64_t value = 0;
  const bool digitsOnly =
      !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (!digitsOnly || error != std::errc() || stop != end || value <= 0) {
    return "--volume-size needs a positive whole number of bytes, not '" + text + "'";
  }
  out = value;
  return {};
}

const std::array kCreateOptions{
    valueOption("--title",
                [](ArchiveToolOptions& o, const std::string& v) {
                  o.title = v;
                  return std::string();
                }),
    valueOption("--level",
                [](ArchiveToolOptions& o, const std::string& v) {
                  return lookUp(kLevels, v, o.level) ? std::string()
                                                     : "--level must be fastest, none, default or max, not '" + v + "'";
                }),
    valueOption("--mask",
                [](ArchiveToolOptions& o, const std::string& v) {
                  // A "/" would be taken as part of the folder of the line.
                  if (v.empty() || v.find('/') != std::string::npos) {
                    return "--mask needs a file name pattern without '/', not '" + v + "'";
                  }
                  o.mask = v;
                  return std::string();
                }),
    switchOption("--recursive", &ArchiveToolOptions::recursive),
    switchOption("--incremental", &ArchiveToolOptions::incremental),
    switchOption("--clear-archive-flag", &ArchiveToolOptions::clearArchiveFlag),
    switchOption("--no-file-list", &ArchiveToolOptions::saveFileList, false),
    valueOption("--volume-size",
                [](ArchiveToolOptions& o, const std::string& v) { return parseVolumeSize(v, o.volumeSize); }),
    valueOption("--exclude",
                [](ArchiveToolOptions& o, const std::string& v) {
                  if (v.empty()) {
                    return std::string("--exclude needs a non-empty path fragment");
                  }
                  o.excludes.push_back(v);
                  return std::string();
                }),
};

const std::array kExtractOptions{
    valueOption("--to",
                [](ArchiveToolOptions& o, const std::string& v) {
                  // Empty would silently mean "where the files came from".
                  if (v.empty()) {
                    return std::string("--to needs a folder");
                  }
                  o.targetFolder = v;
                  return std::string();
                }),
    switchOption("--keep-structure", &ArchiveToolOptions::keepStructure),
    valueOption("--mode",
                [](ArchiveToolOptions& o, const std::string& v) {
                  return lookUp(kModes, v, o.restoreMode)
                             ? std::string()
                             : "--mode must be all, no-overwrite, newer, existing or existing-newer, not '" + v + "'";
                }),
};

ParsedCommandLine usageError(std::string error) {
  ParsedCommandLine parsed;
  parsed.outcome = ParsedCommandLine::Outcome::UsageError;
  parsed.error = std::move(error);
  return parsed;
}

}  // namespace

std::string_view archiveToolUsage() {
  return kUsage;
}

ParsedCommandLine parseArchiveToolArgs(const std::vector<std::string>& args) {
  if (args.empty()) {
    return usageError({});
  }
  ParsedCommandLine parsed;
  ArchiveToolOptions& options = parsed.options;
  // Asking for help is never an error, whatever else is on the line.
  const auto optionsEnd = std::find(args.begin(), args.end(), "--");
  if (std::any_of(args.begin(), optionsEnd, [](const std::string& a) { return a == "--help" || a == "-h"; })) {
    parsed.outcome = ParsedCommandLine::Outcome::Help;
    return parsed;
  }
  const std::string& command = args[0];
  std::span<const OptionRule> rules;
  if (command == "create") {
    options.command = ToolCommand::Create;
    rules = kCreateOptions;
  } else if (command == "list") {
    options.command = ToolCommand::List;
  } else if (command == "extract") {
    options.command = ToolCommand::Extract;
    rules = kExtractOptions;
  } else if (command == "test") {
    options.command = ToolCommand::Test;
  } else {
    return usageError("unknown command '" + command + "'");
  }

  std::vector<std::string> positionals;
  bool optionsEnded = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const auto rule = std::find_if(rules.begin(), rules.end(), [&](const OptionRule& r) { return r.name == name; });
    if (!arg.starts_with("--") || rule == rules.end()) {
      return usageError(command + ": unknown option '" + arg + "'");
    }
    std::string value;
    if (rule->takesValue()) {
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return usageError(command + ": " + name + " needs a value");
      }
    } else if (equals != std::string::npos) {
      return usageError(command + ": " + name + " takes no value");
    }
    if (!rule->takesValue()) {
      options.*(rule->flag) = rule->setTo;
    } else if (std::string error = rule->apply(options, value); !error.empty()) {
      return usageError(command + ": " + error);
    }
  }

  if (positionals.empty() || positionals[0].empty()) {
    return usageError(command + ": missing ARCHIVE");
  }
  options.archive = positionals[0];
  if (options.command == ToolCommand::Create) {
    options.paths.assign(positionals.begin() + 1, positionals.end());
    if (options.paths.empty()) {
      return usageError(command + ": missing PATH to store");
    }
    if (std::find(options.paths.begin(), options.paths.end(), std::string()) != options.paths.end()) {
      return usageError(command + ": empty PATH");
    }
  } else if (positionals.size() > 1) {
    return usageError(command + ": unexpected argument '" + positionals[1] + "'");
  }
  parsed.outcome = ParsedCommandLine::Outcome::Run;
  return parsed;
}

}  // namespace arkwell::tool
