#include "report/RunReport.h"

#include "core/SystemInfo.h"

namespace arkwell::report {

void RunReport::StartReport() {
  lines_ = {QStringLiteral("Report Backup/Restore Arkwell Backup"),
            QStringLiteral("Program version: ") + core::FileVersionString(), QString(25, QLatin1Char('-')), QString()};
}

void RunReport::AddReportLine(const QString& line) {
  if (isOpen()) lines_.append(line);
}

void RunReport::discard() {
  lines_.clear();
}

QString fileDetailLine(int number, const QString& path) {
  // Wider numbers are not cut, only padded up to six characters.
  return QStringLiteral("file ") + QString::number(number).rightJustified(6, QLatin1Char(' ')) + QStringLiteral(": ") +
         path;
}

}  // namespace arkwell::report
