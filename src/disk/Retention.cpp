#include "disk/Retention.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "platform/FileMask.h"

namespace arkwell::disk {

namespace {

// Character-code order: UTF-8 bytes compare like code points, which UTF-16
// units (QString's own order) do not beyond the surrogate range.
bool codeLess(const QString& a, const QString& b) {
  return a.toUtf8() < b.toUtf8();
}

bool codeLessOrEqual(const QString& a, const QString& b) {
  return !codeLess(b, a);
}

}  // namespace

QStringList oldBackupsToDelete(const QStringList& fileNames, const QDate& today, int maxDays, int minKeep) {
  QStringList candidates;
  for (const QString& name : fileNames) {
    if (platform::matchesMask(name.toUtf8().toStdString(), "*.KBU")) candidates.append(name);
  }
  std::sort(candidates.begin(), candidates.end(), codeLess);

  if (candidates.isEmpty()) return {};
  candidates.removeLast();
  const qsizetype keep = std::max(0, minKeep);
  if (keep >= candidates.size()) return {};
  candidates.resize(candidates.size() - keep);

  const QString cutoff = QLocale::c().toString(today.addDays(-maxDays), QStringLiteral("yyyyMMdd"));
  // Candidates are ascending, so the limit is the last one at or before the cut-off.
  const auto limit = std::find_if(candidates.crbegin(), candidates.crend(),
                                  [&](const QString& name) { return codeLessOrEqual(name, cutoff); });
  if (limit == candidates.crend()) return {};

  QStringList doomed;
  for (const QString& name : fileNames) {
    // A dot-file sorts before every archive name on Linux and is never one
    // of ours (".directory", ".stignore"): it stays.
    if (codeLessOrEqual(name, *limit) && !name.startsWith(QLatin1Char('.'))) doomed.append(name);
  }
  std::sort(doomed.begin(), doomed.end(), codeLess);
  return doomed;
}

int DeleteOldBackups(const QString& folder, const QDate& today, int maxDays, int minKeep) {
  // An empty path would name the current folder.
  if (folder.isEmpty()) return 0;
  QStringList names;
  // No recursion: only the folder's own entries; folders (and links to them) are skipped.
  QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  while (it.hasNext()) {
    const QFileInfo entry(it.next());
    if (entry.isDir()) continue;
    names.append(entry.fileName());
  }

  int deleted = 0;
  for (const QString& name : oldBackupsToDelete(names, today, maxDays, minKeep)) {
    if (QFile::remove(QDir(folder).filePath(name))) ++deleted;
  }
  return deleted;
}

}  // namespace arkwell::disk
