#pragma once
// Points every place the program could touch outside a test's own folders
// into a private temporary folder, and makes powering off only leave a mark
// in a file. Called by the suites' main before any test runs.
#include <string>

namespace arkwell::test {

void prepareSandbox();
// Root of the sandbox, holding appdata/, config/, sysdir/.
const std::string& sandboxRoot();
// The file the power-off command creates.
std::string powerOffMarker();

}  // namespace arkwell::test
