#pragma once
// Report files in the report folder: their time-stamped names, reading and
// writing them, finding the newest and removing the old ones. The names sort
// in time order, which both the newest choice and the pruning rely on.
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace arkwell::report {

// "BackupReport_yyyy_MM_dd__hh_mm.rep" (24-hour clock, minute resolution).
QString ReportFileName(const QDateTime& localTime);

// Full path of the non-folder *.rep entry (extension in any case) with the
// byte-wise greatest name; empty when there is none or the folder is missing.
QString newestReportFile(const QString& folder);

// The lines of a report file (CR LF or LF). Throws core::CoreError naming the
// file when it cannot be read.
QStringList readReportFile(const QString& path);

// Writes `lines` whole, each ended by CR LF, as UTF-8, replacing an existing
// file. Throws core::CoreError "Cannot create file ..." naming the file.
void writeReportFile(const QString& path, const QStringList& lines);

// Deletes every non-folder *.rep entry of `folder` whose name sorts byte-wise
// before ReportFileName(now - removeDays days), whatever its naming; entries
// that cannot be deleted stay without a word. removeDays below 1 counts as 1,
// so the report just written is never among them.
void pruneReports(const QString& folder, const QDateTime& now, int removeDays);

}  // namespace arkwell::report
