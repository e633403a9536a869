#include "support/Sandbox.h"

#include <cstdlib>

#include "support/TempDir.h"

namespace arkwell::test {

namespace {
TempDir& sandbox() {
  static TempDir dir;
  return dir;
}
}  // namespace

const std::string& sandboxRoot() {
  return sandbox().path();
}

std::string powerOffMarker() {
  return sandboxRoot() + "/poweroff-requested";
}

void prepareSandbox() {
  const std::string root = sandboxRoot();
  makeFolder(root + "/appdata");
  makeFolder(root + "/config");
  makeFolder(root + "/sysdir");
  ::setenv("ARKWELLBACKUP_APPDATA", (root + "/appdata").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (root + "/appdata").c_str(), 1);
  ::setenv("ARKWELLBACKUP_SYSDIR", (root + "/sysdir").c_str(), 1);
  const std::string poweroff = "touch " + powerOffMarker();
  ::setenv("ARKWELLBACKUP_POWEROFF_COMMAND", poweroff.c_str(), 1);
}

}  // namespace arkwell::test
