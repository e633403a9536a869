#include "ArchiveToolCommands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ProgressBar.h"
#include "TerminalText.h"
#include "archive/ArchiveError.h"
#include "archive/ArchiveFormat.h"
#include "archive/BackupFile.h"
#include "platform/DosDateTime.h"
#include "platform/PathText.h"

namespace arkwell::tool {

namespace {

namespace fs = std::filesystem;

constexpr size_t kUnreadableLinesShown = 10;
using archive::TBackupFile;

// Engine texts name their file as a rule; this makes sure of it.
std::string namingFile(const std::string& path, const std::string& text) {
  return text.find(path) != std::string::npos ? text : path + ": " + text;
}

std::string systemReason(int err) {
  return err == ENOENT || err == ENOTDIR ? "no such file or folder" : std::strerror(err);
}

void showProgressOn(TBackupFile& engine, ProgressBar& bar) {
  engine.OnProgress = [&bar](TBackupFile&, const std::string& file, archive::TPercentage percent, bool&) {
    bar.progress(file, percent);
  };
}

}  // namespace

ArchiveToolCommands::ArchiveToolCommands(std::ostream& out, std::ostream& err, bool interactive)
    : out_(out), err_(err), interactive_(interactive) {}

int ArchiveToolCommands::run(const ArchiveToolOptions& options) {
  try {
    switch (options.command) {
      case ToolCommand::Create: return create(options);
      case ToolCommand::List: return list(options);
      case ToolCommand::Extract: return extract(options);
      case ToolCommand::Test: return test(options);
    }
  } catch (const std::exception& ex) {
    err_ << namingFile(options.archive, ex.what()) << '\n';
  }
  return 1;
}

bool ArchiveToolCommands::archiveExists(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    const int err = errno;
    err_ << path << ": " << (err == ENOENT || err == ENOTDIR ? "no such archive" : std::strerror(err)) << '\n';
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    err_ << path << ": not an archive file\n";
    return false;
  }
  return true;
}

void ArchiveToolCommands::reportEngineError(const TBackupFile& engine, const std::string& archive, const char* action) {
  if (engine.ErrorCode() == 0) {
    err_ << archive << ": " << action << " stopped before the end\n";
  } else if (engine.ErrorMessage().empty()) {
    err_ << "error " << engine.ErrorCode() << ": " << archive::errorText(engine.ErrorCode()) << ": " << archive << '\n';
  } else {
    err_ << "error " << engine.ErrorCode() << ": " << terminalSafe(engine.ErrorMessage()) << '\n';
  }
}

int ArchiveToolCommands::create(const ArchiveToolOptions& options) {
  // Every PATH is checked before anything is written, so a typo costs nothing.
  std::vector<std::string> selectionLines;
  bool pathsOk = true;
  for (const std::string& path : options.paths) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
      err_ << path << ": " << systemReason(errno) << '\n';
      pathsOk = false;
    } else if (S_ISDIR(st.st_mode)) {
      // The engine makes the folder absolute and resolves ".." in it.
      const std::string line = platform::joinPath(path, options.mask);
      selectionLines.push_back(options.recursive ? line + " /s" : line);
    } else if (S_ISREG(st.st_mode)) {
      selectionLines.push_back(path);
    } else {
      err_ << path << ": neither a regular file nor a folder\n";
      pathsOk = false;
    }
  }
  if (!pathsOk) {
    return 1;
  }

  TBackupFile engine;
  engine.BackupTitle = options.title;
  engine.CompressionLevel = options.level;
  engine.SaveFileID = options.saveFileList;
  engine.MaxSize = options.volumeSize;
  if (options.incremental) {
    engine.SetBackupMode(archive::bmIncremental);
  }
  if (options.clearArchiveFlag) {
    engine.SetArchiveFlag = true;
  }
  TBackupFile::ExcludeList = options.excludes;
  TBackupFile::SkippedFiles.clear();

  ProgressBar bar(err_, interactive_, interactive_ ? terminalColumns(STDERR_FILENO) : 80);
  if (interactive_) {
    showProgressOn(engine, bar);
    // Negative "folders" mark the phases after the scan.
    engine.OnCounter = [&bar](TBackupFile&, int64_t, int64_t files, const std::string& dir) {
      if (dir.empty() || dir[0] != '-') {
        bar.scanning(files);
      }
    };
  }
  const bool ok = engine.Backup(selectionLines, options.archive);
  bar.clear();

  for (const std::string& skipped : TBackupFile::SkippedFiles) {
    err_ << "skipped: " << skipped << '\n';
  }
  if (!ok) {
    reportEngineError(engine, options.archive, "backup");
    return 1;
  }
  out_ << options.archive << ": " << engine.FilesDone() << " files, " << engine.BytesDone() << " bytes stored\n";
  return 0;
}

int ArchiveToolCommands::list(const ArchiveToolOptions& options) {
  if (!archiveExists(options.archive)) {
    return 1;
  }
  TBackupFile engine;
  std::vector<std::string> lines;
  std::string title;
  try {
    engine.ReadArchiveInfo(options.archive, &lines, title);
  } catch (const archive::ArchiveInfoAborted& ex) {
    if (engine.ErrorCode() != 0) {
      reportEngineError(engine, options.archive, "reading");
    } else {
      err_ << namingFile(options.archive, ex.what()) << '\n';
    }
    return 1;
  }
  if (engine.ErrorCode() != 0) {
    reportEngineError(engine, options.archive, "reading");
    return 1;
  }

  out_ << "Title: " << terminalSafe(title) << '\n'
       << "Files: " << engine.FileCount() << '\n'
       << "Bytes: " << engine.TotalBytes() << '\n';
  int status = 0;
  size_t unreadable = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
      line.remove_suffix(1);
    }
    if (line.empty()) {
      continue;
    }
    const auto entry = archive::format::parseFileListLine(line);
    if (!entry) {
      // A damaged list can hold millions of such lines: name the first few.
      if (++unreadable <= kUnreadableLinesShown) {
        err_ << options.archive << ": unreadable file list line " << i + 1 << ": " << terminalSafe(line) << '\n';
      }
      status = 1;
      continue;
    }
    out_ << entry->size << '\t' << platform::formatDosDateTime(entry->fileDate) << '\t' << terminalSafe(entry->path)
         << '\n';
  }
  if (unreadable > kUnreadableLinesShown) {
    err_ << options.archive << ": " << unreadable - kUnreadableLinesShown << " more unreadable file list lines\n";
  }
  // An empty list and a missing one read alike; with no files both are right.
  if (lines.empty() && engine.FileCount() > 0) {
    out_ << "(no file list stored)\n";
  }
  return status;
}

int ArchiveToolCommands::extract(const ArchiveToolOptions& options) {
  // Restore reports a missing archive by a bare false.
  if (!archiveExists(options.archive)) {
    return 1;
  }
  if (!options.targetFolder.empty()) {
    std::error_code ec;
    fs::create_directories(options.targetFolder, ec);
    if (ec) {
      err_ << options.targetFolder << ": cannot create folder: " << ec.message() << '\n';
      return 1;
    }
  }

  TBackupFile engine;
  engine.RestoreFullPath = options.keepStructure;
  engine.RestoreMode = options.restoreMode;
  ProgressBar bar(err_, interactive_, interactive_ ? terminalColumns(STDERR_FILENO) : 80);
  if (interactive_) {
    showProgressOn(engine, bar);
  }
  bool ok = false;
  try {
    ok = engine.Restore(options.archive, options.targetFolder);
  } catch (const archive::ArchiveError& ex) {
    bar.clear();
    err_ << namingFile(options.archive, ex.what()) << '\n';
    return 1;
  }
  bar.clear();

  out_ << engine.FilesDone() << " files written\n";
  for (const std::string& refused : engine.RefusedFiles()) {
    err_ << "refused: " << terminalSafe(refused) << '\n';
  }
  if (!ok) {
    reportEngineError(engine, options.archive, "restore");
    return 1;
  }
  return engine.RefusedFiles().empty() ? 0 : 1;
}

int ArchiveToolCommands::test(const ArchiveToolOptions& options) {
  if (!archiveExists(options.archive)) {
    return 1;
  }
  TBackupFile engine;
  // The engine asks for every continuation volume it reads, present or not,
  // which is how the volumes are counted.
  int volumes = 1;
  engine.OnNeedDisk = [&](TBackupFile&, uint16_t disk, bool& keepGoing) {
    struct stat st {};
    keepGoing = ::stat(archive::format::volumeFileName(options.archive, disk).c_str(), &st) == 0;
    if (keepGoing) {
      volumes = std::max(volumes, static_cast<int>(disk));
    }
  };
  ProgressBar bar(err_, interactive_, interactive_ ? terminalColumns(STDERR_FILENO) : 80);
  if (interactive_) {
    showProgressOn(engine, bar);
  }
  const bool ok = engine.Test(options.archive);
  bar.clear();
  if (!ok) {
    reportEngineError(engine, options.archive, "test");
    return 1;
  }
  out_ << "OK: " << engine.FilesDone() << " entries, " << engine.BytesDone() << " bytes in " << volumes
       << " volume(s)\n";
  return 0;
}

}  // namespace arkwell::tool
