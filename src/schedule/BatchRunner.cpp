#include "schedule/BatchRunner.h"

#include <QThread>

#include "core/Shutdown.h"
#include "report/RunReport.h"

namespace arkwell::schedule {

BatchRunner::BatchRunner(core::RunHost& host, disk::DiskBackupRun& disk)
    : pause([](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }), host_(host), disk_(disk) {}

void BatchRunner::Timer1Timer(const core::RunRequests& requests, bool autoRun, bool& closing) {
  host_.report().StartReport();
  for (const bool full : {true, false}) {
    if (full ? requests.RunFullDisk : requests.RunIncrDisk) {
      disk_.addRunHeading(full);
      disk_.StartDiskBackup();
    }
    pause(kPauseMs);
  }
  for (const bool full : {true, false}) {
    if ((full ? requests.RunFullFtp : requests.RunIncrFtp) && ftpBackup && !ftpBackup(full)) return;
    if (full) pause(kPauseMs);
  }
  host_.EndReport();
  pause(kPauseMs);
  if (autoRun || requests.ShutdownAfterRun) {
    closing = true;
    if (requests.ShutdownAfterRun) {
      // Saved before the power goes: the jobs' last-run stamps are in memory only.
      host_.SaveAllSettings();
      core::ShutdownWindows(core::kPowerOff);
    }
    if (closeWindow) closeWindow();
  }
}

}  // namespace arkwell::schedule
