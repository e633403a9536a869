#include "core/SystemFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace arkwell::core {

namespace {

// An absolute folder from the environment, or empty: a relative one would
// move with the current folder (which running a command changes).
QString fromEnvironment(const char* name) {
  const QString value = qEnvironmentVariable(name);
  return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

}  // namespace

QString commonAppDataFolder() {
  for (const char* variable : {"ARKWELLBACKUP_APPDATA", "XDG_DATA_HOME"}) {
    const QString folder = fromEnvironment(variable);
    if (!folder.isEmpty()) return folder;
  }
  return QDir::homePath() + QStringLiteral("/.local/share");
}

QString windowsFolder() {
  const QString folder = fromEnvironment("ARKWELLBACKUP_SYSDIR");
  return folder.isEmpty() ? QStringLiteral("/etc") : folder;
}

QString programFilePath() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

}  // namespace arkwell::core
