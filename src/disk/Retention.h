#pragma once
// Thinning out a disk destination folder after a backup job: full backups
// (*.KBU) past the age limit go together with every file whose name sorts at
// or before them (their volumes, the incrementals made since the previous
// full backup, and any other such name), while the newest full backup and
// `minKeep` older ones always stay. Archive names start with the backup's
// yyyyMMdd-HHmm, so comparing names by character code compares times.
#include <QDate>
#include <QString>
#include <QStringList>

namespace arkwell::disk {

// The names among `fileNames` (the folder's files, no folders) to delete, in
// ascending character-code order:
//  1. candidates: the names matching "*.KBU" (any letter case), ascending;
//  2. the newest candidate is kept; nothing happens when `minKeep` is not
//     less than the remaining count; else the newest `minKeep` are kept too;
//  3. the limit is the greatest remaining candidate <= the cut-off text,
//     "yyyyMMdd" of `today` - `maxDays` (a backup made on the cut-off day
//     compares greater, so it is recent);
//  4. every name <= the limit is deleted.
// A negative `minKeep` counts as 0.
QStringList oldBackupsToDelete(const QStringList& fileNames, const QDate& today, int maxDays, int minKeep);

// Applies oldBackupsToDelete to the files of `folder` (hidden ones included,
// sub-folders left alone) and deletes what it names; a file that cannot be
// deleted is passed over. Returns how many files were deleted; 0 for an empty
// path or a folder that does not exist or cannot be listed.
int DeleteOldBackups(const QString& folder, const QDate& today, int maxDays, int minKeep);

}  // namespace arkwell::disk
