#include "core/SystemFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace arkwell::core {

namespace {

QString fromEnvironment(const char* name) {
  return QDir::cleanPath(qEnvironmentVariable(name));
}

}  // namespace

QString commonAppDataFolder() {
  if (qEnvironmentVariableIsSet("ARKWELLBACKUP_APPDATA")) return fromEnvironment("ARKWELLBACKUP_APPDATA");
  if (!qEnvironmentVariableIsEmpty("XDG_DATA_HOME")) return fromEnvironment("XDG_DATA_HOME");
  return QDir::homePath() + QStringLiteral("/.local/share");
}

QString windowsFolder() {
  if (qEnvironmentVariableIsSet("ARKWELLBACKUP_SYSDIR")) return fromEnvironment("ARKWELLBACKUP_SYSDIR");
  return QStringLiteral("/etc");
}

QString programFilePath() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

}  // namespace arkwell::core
