#include "core/Shutdown.h"

#include <QProcess>
#include <QStringList>

namespace arkwell::core {

bool ShutdownWindows(int /*flags*/) {
  QProcess process;
  if (qEnvironmentVariableIsSet("ARKWELLBACKUP_POWEROFF_COMMAND")) {
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), qEnvironmentVariable("ARKWELLBACKUP_POWEROFF_COMMAND")});
  } else {
    process.start(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
  }
  return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace arkwell::core
