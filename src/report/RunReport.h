#pragma once
// The report of the current run: plain text lines collected while a backup
// or restore goes on, then mailed, shown and saved by finishReport.
#include <QString>
#include <QStringList>

namespace arkwell::report {

class RunReport {
 public:
  // Opens a new report (dropping any open one) holding the four header lines.
  void StartReport();
  // Appends `line` exactly as given. Dropped when no report is open: every
  // run opens its report before it adds anything.
  void AddReportLine(const QString& line);

  const QStringList& lines() const { return lines_; }
  // An open report always holds at least its header lines.
  bool isOpen() const { return !lines_.isEmpty(); }
  void discard();

 private:
  QStringList lines_;
};

// The line of one archived file: "file " + number right-aligned in 6
// characters + ": " + path, e.g. "file     10: /x".
QString fileDetailLine(int number, const QString& path);

}  // namespace arkwell::report
