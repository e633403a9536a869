#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/JobTableLayouts.h"
#include "disk/ScriptedHost.h"
#include "schedule/BatchRunner.h"
#include "support/Sandbox.h"
#include "support/TempDir.h"

namespace arkwell::schedule {
namespace {

TEST(BatchRunner, RunsTheRequestsInOneReportThenClosesAndPowersOff) {
  test::TempDir dir;
  test::ScriptedHost host;
  core::ProgramData data;
  archive::TBackupFile engine;
  disk::RunControl control;
  disk::DiskBackupRun disk(host, data, engine, control);
  test::writeFile(dir / "src/a.txt", "a");
  data.diskJobs = core::Table(
      {core::diskTableLayout().designTitles,
       {"Y", "Docs", QString::fromStdString(dir / "src"), "*.*", "Y", QString::fromStdString(dir / "dest"), "-"}});
  core::setFixedDateTime(QDateTime(QDate(2026, 3, 5), QTime(22, 30)));
  BatchRunner runner(host, disk);
  QList<int> pauses;
  runner.pause = [&](int ms) { pauses << ms; };
  int closes = 0;
  runner.closeWindow = [&] { ++closes; };
  std::remove(test::powerOffMarker().c_str());

  core::RunRequests requests;
  requests.RunFullDisk = true;
  requests.RunIncrDisk = true;
  bool closing = false;
  runner.Timer1Timer(requests, false, closing);
  ASSERT_EQ(host.finishedReports.size(), 1u) << "one report for the whole batch";
  const QStringList lines = host.lastReport();
  EXPECT_EQ(lines.count(host.textTable[76]), 1);
  EXPECT_EQ(lines.count(host.textTable[77]), 1);
  EXPECT_EQ(lines.count("Totals:"), 2);
  EXPECT_EQ(pauses, QList<int>({1000, 1000, 1000, 1000}));
  EXPECT_FALSE(closing) << "a scheduled batch without power-off keeps the window";
  EXPECT_EQ(closes, 0);

  requests = {};
  requests.RunIncrDisk = true;
  requests.ShutdownAfterRun = true;
  runner.Timer1Timer(requests, true, closing);
  EXPECT_TRUE(closing);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(test::fileExists(test::powerOffMarker())) << "the recorder stands in for powering off";
  core::setFixedDateTime({});
}

}  // namespace
}  // namespace arkwell::schedule
