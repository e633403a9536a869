#include "core/IgnoreList.h"

#include <algorithm>

#include "core/TextFile.h"

namespace arkwell::core {

namespace {

bool lessIgnoringCase(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) < 0;
}

QString fragmentOf(const QString& entry) {
  return entry.toUpper().replace(QLatin1Char('\\'), QLatin1Char('/'));
}

}  // namespace

QStringList IgnoreList::defaultEntries() {
  return {QStringLiteral(".$$$"),     QStringLiteral(".lck"),         QStringLiteral(".lock"),
          QStringLiteral(".tmp"),     QStringLiteral("\\ntuser.dat"), QStringLiteral("\\recycler\\"),
          QStringLiteral("\\temp\\"), QStringLiteral("hiberfil.sys"), QStringLiteral("pagefile.sys")};
}

void IgnoreList::setEntries(const QStringList& entries) {
  entries_.clear();
  fragments_.clear();
  for (const QString& entry : entries) insert(entry);
}

int IgnoreList::insert(const QString& text) {
  const QString entry = text.trimmed();
  if (entry.isEmpty()) return -1;
  const auto at = std::lower_bound(entries_.begin(), entries_.end(), entry, lessIgnoringCase);
  if (at != entries_.end() && at->compare(entry, Qt::CaseInsensitive) == 0) return -1;
  const auto index = at - entries_.begin();
  entries_.insert(index, entry);
  fragments_.insert(index, fragmentOf(entry));
  return static_cast<int>(index);
}

QString IgnoreList::removeAt(int index) {
  if (index < 0 || index >= entries_.size()) return {};
  QString removed = entries_.takeAt(index);
  fragments_.removeAt(index);
  return removed;
}

bool IgnoreList::load(const QString& path) {
  const auto lines = readTextLines(path);
  if (!lines) {
    setEntries(defaultEntries());
    return false;
  }
  setEntries(*lines);
  return true;
}

void IgnoreList::save(const QString& path) const {
  writeTextLines(path, entries_);
}

bool IsIgnored(const IgnoreList& list, const QString& path) {
  const QString upperPath = path.toUpper();
  const QStringList& fragments = list.pathFragments();
  return std::any_of(fragments.begin(), fragments.end(),
                     [&](const QString& fragment) { return upperPath.contains(fragment); });
}

}  // namespace arkwell::core
