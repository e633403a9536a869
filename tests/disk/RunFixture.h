#pragma once
// What every run test needs: a temporary folder, a scripted host, the
// program data, the engine and the disk runs wired as the window wires them.
#include <gtest/gtest.h>

#include "archive/BackupFile.h"
#include "core/Clock.h"
#include "disk/DiskBackupRun.h"
#include "disk/DiskRestoreRun.h"
#include "disk/ScriptedHost.h"
#include "support/TempDir.h"

namespace arkwell::test {

class RunFixture : public ::testing::Test {
 protected:
  TempDir dir;
  ScriptedHost host;
  core::ProgramData data;
  archive::TBackupFile engine;
  disk::RunControl control;
  disk::DiskBackupRun backupRun{host, data, engine, control};
  disk::DiskRestoreRun restoreRun{host, data, engine, control, backupRun};

  ~RunFixture() override { core::setFixedDateTime({}); }

  static QString q(const std::string& s) { return QString::fromStdString(s); }
  QString text(int n) const { return host.textTable.text(n); }
};

}  // namespace arkwell::test
