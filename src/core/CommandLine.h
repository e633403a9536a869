#pragma once
// The command-line switches of the window program: backups to run at once,
// powering off afterwards, and the mode in which runs show no message boxes.
#include <QString>
#include <QStringList>

namespace arkwell::core {

struct RunRequests {
  bool RunFullDisk = false;
  bool RunIncrDisk = false;
  bool RunFullFtp = false;
  bool RunIncrFtp = false;
  bool ShutdownAfterRun = false;

  bool anyBackup() const { return RunFullDisk || RunIncrDisk || RunFullFtp || RunIncrFtp; }
  bool operator==(const RunRequests&) const = default;
};

struct CommandLine {
  RunRequests requests;
  bool helpSwitch = false;  // "H"

  // A backup was requested or "H" given: runs show no message boxes.
  bool commandLineMode() const { return requests.anyBackup() || helpSwitch; }
  // A backup was requested: run it, then close.
  bool autoRun() const { return requests.anyBackup(); }
  // The status pane text: "DF ", "DI ", "FF ", "FI ", " +SD " as requested.
  QString statusText() const;
};

// `arguments` without the program itself. Each is upper-cased and compared
// whole; unknown ones are ignored.
CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace arkwell::core
