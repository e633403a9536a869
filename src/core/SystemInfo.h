#pragma once
// Facts about the program and the machine written into the agent
// configuration, the information box and the reports.
#include <QString>

namespace arkwell::core {

// The program version, major.minor.release.build.
QString FileVersionString();
// The machine's host name.
QString ComputerNameString();

}  // namespace arkwell::core
