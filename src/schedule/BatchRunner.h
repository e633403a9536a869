#pragma once
// The runner of requested backups (schedule rows and command-line switches):
// full disk, incremental disk, full FTP, incremental FTP, one after another
// in one report; then, for a command-line run or a power-off request, the
// program closes and the machine is powered off when asked.
#include <functional>

#include "core/CommandLine.h"
#include "core/RunHost.h"
#include "disk/DiskBackupRun.h"

namespace arkwell::schedule {

class BatchRunner {
 public:
  static constexpr int kPauseMs = 1000;

  BatchRunner(core::RunHost& host, disk::DiskBackupRun& disk);

  // An FTP backup step (full or incremental). Returns false when an FTP
  // backup was already running, which ends the batch at once.
  std::function<bool(bool full)> ftpBackup;
  // The pause between steps; a plain sleep that handles no events.
  std::function<void(int ms)> pause;
  // Closes the program's window.
  std::function<void()> closeWindow;

  // Runs the requests. `closing` is set when the program is to close.
  void Timer1Timer(const core::RunRequests& requests, bool autoRun, bool& closing);

 private:
  core::RunHost& host_;
  disk::DiskBackupRun& disk_;
};

}  // namespace arkwell::schedule
