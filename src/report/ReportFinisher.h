#pragma once
// The end of a run report, shared by the window and the agent: mail it, hand
// back what the viewer shows, save it in the report folder and prune the old
// report files there.
//
// Choices where the behaviour leaves room:
// - saving with a blank folder setting writes nothing and prunes nothing, so
//   no report file lands or disappears anywhere but in a chosen folder;
// - a report file that cannot be written yields saveError (naming the file)
//   and the rest of the result stays as it is; old reports are pruned only
//   after the new one was written, so a broken folder never loses reports;
// - finishing when no report is open does nothing and returns an empty result.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/Settings.h"
#include "report/RunReport.h"

namespace arkwell::report {

struct ReportOptions {
  bool mail = false;       // "Send report by e-mail" is on
  int internetAccess = 1;  // 0 = no internet: then no mail
  bool save = false;       // "Save reports to:" is on
  QString folder;          // report folder setting
  int removeDays = 14;
  QString mailFailedText;  // appended when mailing fails
};

// The options as the settings give them; `mailFailedText` is text 86.
ReportOptions reportOptions(const core::Settings& settings, const QString& mailFailedText);

struct FinishedReport {
  QStringList lines;  // what the viewer shows, with the mail failure line if any
  QString fileName;   // ReportFileName(now), shown in the page label
  QString savedPath;  // where it was written, empty when not saved
  QString saveError;  // message naming the file when writing failed, else empty
  bool mailFailed = false;
};

// Mails (through `sendMail`, which throws on failure; a null function means
// mailing is not available and counts as off), builds the result, saves and
// prunes, then discards the report. Only std::exception from sendMail counts
// as a mail failure; anything else goes on to the caller.
FinishedReport finishReport(RunReport& report, const ReportOptions& options, const QDateTime& now,
                            const std::function<void(const QStringList& lines)>& sendMail);

}  // namespace arkwell::report
