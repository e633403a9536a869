#pragma once
// The four commands of arkwellbackup-archive over one TBackupFile each. Every
// command returns the process exit code: 0 success, 1 failure.
#include <ostream>

#include "ArchiveToolOptions.h"

namespace arkwell::tool {

class ArchiveToolCommands {
 public:
  // interactive: stderr is a terminal, so progress may be drawn there.
  ArchiveToolCommands(std::ostream& out, std::ostream& err, bool interactive);

  int run(const ArchiveToolOptions& options);

 private:
  int create(const ArchiveToolOptions& options);
  int list(const ArchiveToolOptions& options);
  int extract(const ArchiveToolOptions& options);
  int test(const ArchiveToolOptions& options);

  // False (after saying why) unless `path` is an existing regular file.
  bool archiveExists(const std::string& path);
  void reportEngineError(const archive::TBackupFile& engine, const std::string& archive, const char* action);

  std::ostream& out_;
  std::ostream& err_;
  bool interactive_;
};

}  // namespace arkwell::tool
