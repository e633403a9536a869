#include "core/RunAndWait.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QProcess>
#include <cerrno>
#include <cstring>

#include "core/CoreError.h"

namespace arkwell::core {

namespace {

constexpr int kPollMs = 50;
constexpr int kSignalExitBase = 128;

void repaintOnly() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

}  // namespace

int RunAndWait(const QString& program, const QString& arguments, int /*showMode*/,
               const std::function<void()>& whileWaiting) {
  const QFileInfo programFile(program);
  const QString folder = programFile.absolutePath();
  const QString previousFolder = QDir::currentPath();
  if (!QDir::setCurrent(folder)) {
    throw CoreError(
        QStringLiteral("Cannot change to folder \"%1\". %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno))));
  }

  QProcess process;
  process.setProgram(folder + QLatin1Char('/') + programFile.fileName());
  process.setArguments(QProcess::splitCommand(arguments));
  process.setWorkingDirectory(folder);
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.setStandardInputFile(QProcess::nullDevice());
  process.start();
  int exitCode = -1;
  if (process.waitForStarted()) {
    const auto& pump = whileWaiting ? whileWaiting : std::function<void()>(repaintOnly);
    while (!process.waitForFinished(kPollMs) && process.state() != QProcess::NotRunning) pump();
    exitCode = process.exitStatus() == QProcess::CrashExit ? kSignalExitBase + process.exitCode() : process.exitCode();
  }
  QDir::setCurrent(previousFolder);
  return exitCode;
}

}  // namespace arkwell::core
