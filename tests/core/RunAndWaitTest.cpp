#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "core/CoreError.h"
#include "core/CoreTestSupport.h"
#include "core/RunAndWait.h"

namespace arkwell::core {
namespace {

using test::qpath;

QString script(const test::TempDir& dir, const char* name, const QString& body) {
  const QString path = qpath(dir, name);
  test::writeText(path, "#!/bin/sh\n" + body + "\n");
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

TEST(RunAndWait, RunsInTheProgramsFolderAndReturnsItsExitCode) {
  test::TempDir dir;
  test::makeFolder(dir / "tools");
  const QString tool = script(dir, "tools/record.sh", "pwd > \"$2\"; echo \"$1\" >> \"$2\"; exit 3");
  const QString before = QDir::currentPath();
  EXPECT_EQ(RunAndWait(tool, "\"two words\" " + qpath(dir, "out.txt"), 2), 3);
  EXPECT_EQ(test::readText(qpath(dir, "out.txt")), qpath(dir, "tools") + "\ntwo words\n");
  EXPECT_EQ(QDir::currentPath(), before);
}

TEST(RunAndWait, FailuresAndSignals) {
  test::TempDir dir;
  const QString before = QDir::currentPath();
  EXPECT_EQ(RunAndWait(qpath(dir, "missing-program"), "", 2), -1);
  EXPECT_EQ(QDir::currentPath(), before);
  test::writeText(qpath(dir, "not-executable"), "#!/bin/sh\n");
  EXPECT_EQ(RunAndWait(qpath(dir, "not-executable"), "", 1), -1);
  EXPECT_EQ(RunAndWait(script(dir, "killed.sh", "kill -9 $$"), "", 0), 128 + 9);
  EXPECT_THROW(RunAndWait(qpath(dir, "no-folder/prog"), "", 2), CoreError);
  EXPECT_EQ(QDir::currentPath(), before);
}

TEST(RunAndWait, HandsOnlyRepaintsWhileWaiting) {
  test::TempDir dir;
  bool timerFired = false;
  QTimer::singleShot(0, [&] { timerFired = true; });
  int pumps = 0;
  EXPECT_EQ(RunAndWait(script(dir, "slow.sh", "sleep 0.3"), "", 2), 0);
  EXPECT_FALSE(timerFired) << "no timer or input runs while an external program runs";
  EXPECT_EQ(RunAndWait(script(dir, "slow2.sh", "sleep 0.3"), "", 2, [&] { ++pumps; }), 0);
  EXPECT_GT(pumps, 0);
  QCoreApplication::processEvents();
  EXPECT_TRUE(timerFired);
}

}  // namespace
}  // namespace arkwell::core
