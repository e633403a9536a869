#include <gtest/gtest.h>

#include "core/CommandLine.h"

namespace arkwell::core {
namespace {

TEST(CommandLine, SwitchesBecomeRequestsAndStatusText) {
  struct Case {
    QStringList arguments;
    RunRequests requests;
    bool commandLineMode;
    bool autoRun;
    const char* status;
  };
  const Case cases[] = {
      {{}, {}, false, false, ""},
      {{"df"}, {true, false, false, false, false}, true, true, "DF "},
      {{"DIRECT"}, {true, false, false, false, false}, true, true, "DF "},
      {{"Full"}, {true, false, false, false, false}, true, true, "DF "},
      {{"DI", "SD"}, {false, true, false, false, true}, true, true, "DI  +SD "},
      {{"inc", "ff", "fi"}, {false, true, true, true, false}, true, true, "DI FF FI "},
      {{"SD"}, {false, false, false, false, true}, false, false, " +SD "},
      {{"H"}, {}, true, false, ""},
      {{"/DF", "DFX", "-h", "D F"}, {}, false, false, ""},
  };
  for (const Case& c : cases) {
    const CommandLine line = parseCommandLine(c.arguments);
    const std::string which = c.arguments.join(' ').toStdString();
    EXPECT_EQ(line.requests, c.requests) << which;
    EXPECT_EQ(line.commandLineMode(), c.commandLineMode) << which;
    EXPECT_EQ(line.autoRun(), c.autoRun) << which;
    EXPECT_EQ(line.statusText(), c.status) << which;
  }
}

}  // namespace
}  // namespace arkwell::core
