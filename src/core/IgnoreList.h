#pragma once
// The ignore list: path fragments whose files are never backed up. Always
// sorted without regard to case, each entry once. Entries are written in the
// Windows form ("\temp\"); on Linux their backslashes match "/".
#include <QString>
#include <QStringList>

namespace arkwell::core {

class IgnoreList {
 public:
  // The entries a missing ignore-list file gives.
  static QStringList defaultEntries();

  IgnoreList() { setEntries(defaultEntries()); }
  explicit IgnoreList(const QStringList& entries) { setEntries(entries); }

  const QStringList& entries() const { return entries_; }
  // The entries as fragments of Linux paths (backslashes as "/"), upper-cased:
  // what a path is searched for, here and in the archive's exclusion list.
  const QStringList& pathFragments() const { return fragments_; }
  // Sorts, trims, drops blank entries (a blank entry would match every path)
  // and duplicates.
  void setEntries(const QStringList& entries);

  // Adds the trimmed text unless it is blank or already listed (case
  // ignored); returns its index, or -1 when nothing was added.
  int insert(const QString& text);
  // Removes entry `index` and returns its text (empty when out of range).
  QString removeAt(int index);

  // Missing file: the default entries; returns whether the file existed.
  // Throws CoreError when the file exists but cannot be read.
  bool load(const QString& path);
  // Throws CoreError "Cannot create file ..." on failure.
  void save(const QString& path) const;

 private:
  QStringList entries_;
  QStringList fragments_;  // entries_ as pathFragments() gives them
};

// True when some entry, upper-cased, occurs in the upper-cased path.
bool IsIgnored(const IgnoreList& list, const QString& path);

}  // namespace arkwell::core
