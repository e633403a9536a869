#include "core/FolderRoutines.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "platform/FileAttributes.h"
#include "platform/FileMask.h"

namespace arkwell::core {

bool EmptyDirectory(const QString& folder) {
  bool allDeleted = true;
  QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  while (entries.hasNext()) {
    const QFileInfo entry(entries.next());
    if (entry.isDir() && !entry.isSymLink()) continue;
    const bool readOnly = !entry.isSymLink() && platform::isReadOnly(QFile::encodeName(entry.filePath()).toStdString());
    if (readOnly || !QFile::remove(entry.filePath())) allDeleted = false;
  }
  return allDeleted;
}

void WaitForDirectory(const QString& folder) {
  constexpr int kPauses = 5;
  constexpr int kPauseMs = 500;
  for (int pause = 0; pause < kPauses && !QFileInfo(folder).isDir(); ++pause) QThread::msleep(kPauseMs);
}

bool FileExistsAny(const QString& pattern) {
  const QFileInfo info(pattern);
  const QString mask = info.fileName();
  if (!mask.contains(QLatin1Char('*')) && !mask.contains(QLatin1Char('?'))) return info.exists() && !info.isDir();
  QDirIterator entries(info.path(), QDir::Files | QDir::Hidden | QDir::System);
  const std::string masks = mask.toStdString();
  while (entries.hasNext()) {
    entries.next();
    if (platform::matchesMask(entries.fileName().toStdString(), masks)) return true;
  }
  return false;
}

}  // namespace arkwell::core
