// Shared main of the test suites: before any test runs, every place the
// program could touch outside a test's own folders points into a private
// temporary folder, and powering off only leaves a mark in a file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/TempDir.h"

int main(int argc, char** argv) {
  static arkwell::test::TempDir sandbox;
  const std::string root = sandbox.path();
  arkwell::test::makeFolder(root + "/appdata");
  arkwell::test::makeFolder(root + "/config");
  arkwell::test::makeFolder(root + "/sysdir");
  ::setenv("ARKWELLBACKUP_APPDATA", (root + "/appdata").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (root + "/appdata").c_str(), 1);
  ::setenv("ARKWELLBACKUP_SYSDIR", (root + "/sysdir").c_str(), 1);
  const std::string poweroff = "touch " + root + "/poweroff-requested";
  ::setenv("ARKWELLBACKUP_POWEROFF_COMMAND", poweroff.c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
