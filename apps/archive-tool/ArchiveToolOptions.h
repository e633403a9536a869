#pragma once
// The command line of arkwellbackup-archive, parsed without touching any file
// so that every accepted and rejected form can be checked in isolation.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "archive/BackupFile.h"

namespace arkwell::tool {

enum class ToolCommand { Create, List, Extract, Test };

struct ArchiveToolOptions {
  ToolCommand command = ToolCommand::List;
  std::string archive;

  // create
  std::string title;
  archive::TCompressionLevel level = archive::clFastest;
  std::string mask = "*.*";
  bool recursive = false;
  bool incremental = false;
  bool clearArchiveFlag = false;
  bool saveFileList = true;
  int64_t volumeSize = 0;  // 0: no limit
  std::vector<std::string> excludes;
  std::vector<std::string> paths;

  // extract
  std::string targetFolder;  // empty: where the files came from
  bool keepStructure = false;
  archive::TRestoreMode restoreMode = archive::rmAll;
};

struct ParsedCommandLine {
  enum class Outcome {
    Run,         // options are complete
    Help,        // usage on stdout, exit 0
    UsageError,  // error (may be empty when no arguments were given) and usage on stderr, exit 2
  };
  Outcome outcome = Outcome::UsageError;
  ArchiveToolOptions options;
  std::string error;
};

// args: the command line without the program name.
ParsedCommandLine parseArchiveToolArgs(const std::vector<std::string>& args);

std::string_view archiveToolUsage();

}  // namespace arkwell::tool
