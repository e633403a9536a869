#include "core/ProfileFile.h"

#include "core/AtomicWrite.h"
#include "core/CoreError.h"
#include "core/TextFile.h"

namespace arkwell::core {

namespace {

bool sameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString oneLine(QString value) {
  value.replace(QLatin1String("\r\n"), QLatin1String(" "));
  value.replace(QLatin1Char('\r'), QLatin1Char(' '));
  value.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return value;
}

// Decimal with an optional sign, blanks around allowed; anything else is not a number.
bool parseInteger(const QString& text, int& value) {
  bool ok = false;
  const int parsed = text.trimmed().toInt(&ok, 10);
  if (ok) value = parsed;
  return ok;
}

}  // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {
  sections_.push_back(Section{});  // lines before the first header
  const std::optional<QStringList> lines = readTextLines(path_);
  existed_ = lines.has_value();
  if (!lines) return;
  for (const QString& text : *lines) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
      const int close = trimmed.indexOf(QLatin1Char(']'));
      Section section;
      section.name = (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
      section.hasHeader = true;
      section.lines.push_back(Line{text, {}, false});
      sections_.push_back(std::move(section));
      continue;
    }
    Line line{text, {}, false};
    const int equals = text.indexOf(QLatin1Char('='));
    if (equals >= 0 && !trimmed.startsWith(QLatin1Char(';'))) {
      line.key = text.left(equals).trimmed();
      line.isEntry = true;
    }
    sections_.back().lines.push_back(std::move(line));
  }
}

const ProfileFile::Section* ProfileFile::findSection(const QString& name) const {
  for (const Section& section : sections_) {
    if (section.hasHeader && sameName(section.name, name)) return &section;
  }
  return nullptr;
}

ProfileFile::Section* ProfileFile::findSection(const QString& name) {
  return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const ProfileFile::Line* ProfileFile::findKey(const Section& section, const QString& key) {
  for (const Line& line : section.lines) {
    if (line.isEntry && sameName(line.key, key)) return &line;
  }
  return nullptr;
}

QString ProfileFile::valueOf(const Line& line) {
  return line.text.mid(line.text.indexOf(QLatin1Char('=')) + 1).trimmed().left(kMaxValueLength);
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& defaultValue) const {
  const Section* found = findSection(section);
  const Line* line = found ? findKey(*found, key) : nullptr;
  return line ? valueOf(*line) : defaultValue;
}

int ProfileFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
  int value = defaultValue;
  if (keyExists(section, key)) parseInteger(readString(section, key), value);
  return value;
}

bool ProfileFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
  return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool ProfileFile::keyExists(const QString& section, const QString& key) const {
  const Section* found = findSection(section);
  return found && findKey(*found, key);
}

bool ProfileFile::sectionExists(const QString& section) const {
  return findSection(section) != nullptr;
}

QStringList ProfileFile::sectionNames() const {
  QStringList names;
  for (const Section& section : sections_) {
    if (!section.hasHeader) continue;
    bool seen = false;
    for (const QString& name : names) seen = seen || sameName(name, section.name);
    if (!seen) names << section.name;
  }
  return names;
}

QStringList ProfileFile::keyNames(const QString& section) const {
  QStringList names;
  if (const Section* found = findSection(section)) {
    for (const Line& line : found->lines) {
      if (line.isEntry && findKey(*found, line.key) == &line) names << line.key;
    }
  }
  return names;
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
  const QString text = key + QLatin1Char('=') + oneLine(value);
  Section* found = findSection(section);
  if (!found) {
    Section added;
    added.name = section;
    added.hasHeader = true;
    const Section& last = sections_.back();
    if (!last.lines.empty() && !last.lines.back().text.trimmed().isEmpty()) {
      sections_.back().lines.push_back(Line{QString(), {}, false});  // a blank line between sections
    }
    added.lines.push_back(Line{QLatin1Char('[') + section + QLatin1Char(']'), {}, false});
    sections_.push_back(std::move(added));
    found = &sections_.back();
  }
  if (const Line* existing = findKey(*found, key)) {
    Line& line = const_cast<Line&>(*existing);
    if (line.text == text) return;
    line.text = text;
    line.key = key;
  } else {
    // After the section's last entry, so trailing blank lines stay between sections.
    auto insertAt = found->lines.end();
    while (insertAt != found->lines.begin() + 1 && std::prev(insertAt)->text.trimmed().isEmpty()) --insertAt;
    found->lines.insert(insertAt, Line{text, key, true});
  }
  dirty_ = true;
}

void ProfileFile::writeInteger(const QString& section, const QString& key, int value) {
  writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString& section, const QString& key, bool value) {
  writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::eraseSection(const QString& section) {
  const auto before = sections_.size();
  std::erase_if(sections_, [&](const Section& s) { return s.hasHeader && sameName(s.name, section); });
  dirty_ = dirty_ || sections_.size() != before;
}

void ProfileFile::eraseKey(const QString& section, const QString& key) {
  for (Section& s : sections_) {
    if (!s.hasHeader || !sameName(s.name, section)) continue;
    const auto before = s.lines.size();
    std::erase_if(s.lines, [&](const Line& line) { return line.isEntry && sameName(line.key, key); });
    dirty_ = dirty_ || s.lines.size() != before;
  }
}

void ProfileFile::flush() {
  if (!dirty_ && existed_) return;
  QByteArray bytes;
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      bytes += line.text.toUtf8();
      bytes += '\n';
    }
  }
  if (!replaceFileContents(path_, bytes, nullptr, ownerOnly_)) throw unableToWrite(path_);
  existed_ = true;
  dirty_ = false;
}

}  // namespace arkwell::core
