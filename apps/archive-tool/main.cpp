#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "ArchiveToolCommands.h"
#include "ArchiveToolOptions.h"

int main(int argc, char** argv) {
  using arkwell::tool::ParsedCommandLine;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedCommandLine parsed = arkwell::tool::parseArchiveToolArgs(args);
  switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::Help: std::cout << arkwell::tool::archiveToolUsage(); return 0;
    case ParsedCommandLine::Outcome::UsageError:
      if (!parsed.error.empty()) {
        std::cerr << "arkwellbackup-archive: " << parsed.error << "\n\n";
      }
      std::cerr << arkwell::tool::archiveToolUsage();
      return 2;
    case ParsedCommandLine::Outcome::Run: break;
  }
  arkwell::tool::ArchiveToolCommands commands(std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
  return commands.run(parsed.options);
}
