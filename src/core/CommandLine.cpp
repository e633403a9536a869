#include "core/CommandLine.h"

namespace arkwell::core {

CommandLine parseCommandLine(const QStringList& arguments) {
  CommandLine line;
  RunRequests& r = line.requests;
  for (const QString& argument : arguments) {
    const QString a = argument.toUpper();
    if (a == QLatin1String("DIRECT") || a == QLatin1String("FULL") || a == QLatin1String("DF")) r.RunFullDisk = true;
    if (a == QLatin1String("INC") || a == QLatin1String("DI")) r.RunIncrDisk = true;
    if (a == QLatin1String("FF")) r.RunFullFtp = true;
    if (a == QLatin1String("FI")) r.RunIncrFtp = true;
    if (a == QLatin1String("SD")) r.ShutdownAfterRun = true;
    if (a == QLatin1String("H")) line.helpSwitch = true;
  }
  return line;
}

QString CommandLine::statusText() const {
  QString text;
  if (requests.RunFullDisk) text += QLatin1String("DF ");
  if (requests.RunIncrDisk) text += QLatin1String("DI ");
  if (requests.RunFullFtp) text += QLatin1String("FF ");
  if (requests.RunIncrFtp) text += QLatin1String("FI ");
  if (requests.ShutdownAfterRun) text += QLatin1String(" +SD ");
  return text;
}

}  // namespace arkwell::core
