#include "report/ReportFinisher.h"

#include <QDir>
#include <exception>

#include "core/CoreError.h"
#include "core/PathJoin.h"
#include "report/ReportFiles.h"

namespace arkwell::report {
ReportOptions reportOptions(const core::Settings& settings, const QString& mailFailedText) {
  ReportOptions options;
  options.mail = settings.mailSend;
  options.internetAccess = settings.internetAccess;
  options.save = settings.reportsSave;
  options.folder = settings.reportsSaveDir;
  options.removeDays = settings.reportsRemoveDays;
  options.mailFailedText = mailFailedText;
  return options;
}

FinishedReport finishReport(RunReport& report, const ReportOptions& options, const QDateTime& now,
                            const std::function<void(const QStringList& lines)>& sendMail) {
  FinishedReport result;
  if (!report.isOpen()) return result;
  // Closed before anything can fail, so no failure leaves it half-finished.
  result.lines = report.lines();
  report.discard();
  if (options.mail && options.internetAccess != 0 && sendMail) {
    try {
      sendMail(result.lines);
    } catch (const std::exception&) {
      result.lines.append(options.mailFailedText);
      result.mailFailed = true;
    }
  }

  result.fileName = ReportFileName(now);
  const QString folder = options.folder.trimmed();
  if (options.save && !folder.isEmpty()) {
    const QString path = core::joinPath(folder, result.fileName);
    // The chosen folder may have gone since it was set (a removed disk, a
    // cleaned folder); making it again keeps the report.
    QDir().mkpath(folder);
    try {
      writeReportFile(path, result.lines);
      result.savedPath = path;
    } catch (const core::CoreError& error) {
      result.saveError = error.message();
    }
    if (!result.savedPath.isEmpty()) pruneReports(folder, now, options.removeDays);
  }
  return result;
}

}  // namespace arkwell::report
