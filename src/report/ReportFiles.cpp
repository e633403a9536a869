#include "report/ReportFiles.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <vector>

#include "core/CoreError.h"
#include "core/TextFile.h"
#include "platform/FileMask.h"

namespace arkwell::report {
namespace {

struct ReportEntry {
  QByteArray name;  // as the file system holds it, for byte-wise comparison
  QString path;
  bool regular;  // a file that can be shown (not a pipe or device named like a report)
};

// Every entry matching *.rep that is not a folder (hidden ones included).
std::vector<ReportEntry> listReportEntries(const QString& folder) {
  std::vector<ReportEntry> entries;
  QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  while (it.hasNext()) {
    const QFileInfo entry(it.next());
    if (entry.isDir()) continue;
    QByteArray name = QFile::encodeName(entry.fileName());
    if (!platform::matchesMask(name.toStdString(), "*.rep")) continue;
    entries.push_back({std::move(name), entry.filePath(), entry.isFile()});
  }
  return entries;
}

}  // namespace

QString ReportFileName(const QDateTime& localTime) {
  // The C locale keeps the digits ASCII whatever the user's locale.
  return QStringLiteral("BackupReport_") + QLocale::c().toString(localTime, QStringLiteral("yyyy_MM_dd__HH_mm")) +
         QStringLiteral(".rep");
}

QString newestReportFile(const QString& folder) {
  std::vector<ReportEntry> entries = listReportEntries(folder);
  // Only a regular file can be shown; a pipe named like a report would block the reader.
  std::erase_if(entries, [](const ReportEntry& e) { return !e.regular; });
  const auto newest = std::max_element(entries.begin(), entries.end(),
                                       [](const ReportEntry& a, const ReportEntry& b) { return a.name < b.name; });
  return newest == entries.end() ? QString() : newest->path;
}

QStringList readReportFile(const QString& path) {
  std::optional<QStringList> lines = core::readTextLines(path);
  if (!lines) throw core::CoreError(QStringLiteral("Cannot open file \"%1\". The file does not exist.").arg(path));
  return *lines;
}

void writeReportFile(const QString& path, const QStringList& lines) {
  core::writeTextLines(path, lines, "\r\n");
}

void pruneReports(const QString& folder, const QDateTime& now, int removeDays) {
  const QByteArray cutoff = ReportFileName(now.addDays(-std::max(1, removeDays))).toLatin1();
  for (const ReportEntry& entry : listReportEntries(folder)) {
    if (entry.name < cutoff) QFile::remove(entry.path);
  }
}

}  // namespace arkwell::report
