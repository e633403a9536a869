#include "core/TextRoutines.h"

#include <QList>

namespace arkwell::core {

namespace {

bool isAsciiLetterOrDigit(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

}  // namespace

QString SanitizeName(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (const char32_t c : text.toUcs4())
    result += isAsciiLetterOrDigit(c) ? QChar(static_cast<char16_t>(c)) : QChar(u'_');
  return result;
}

QString ReplaceChar(QString text, QChar from, QChar to) {
  return text.replace(from, to);
}

QString ReplaceAll(const QString& text, const QString& search, const QString& replacement) {
  if (search.isEmpty() || replacement.contains(search)) return text;
  // Some pairs would go on forever ("ab" -> "bbaa" on "aab" keeps making a
  // new "ab"); these bounds end them with the text as it stands.
  const qsizetype maxLength = text.size() * 16 + 4096;
  constexpr qsizetype kMaxReplacements = qsizetype{1} << 22;
  QString result = text;
  qsizetype at = result.indexOf(search);
  for (qsizetype done = 0; at >= 0 && done < kMaxReplacements && result.size() <= maxLength; ++done) {
    result.replace(at, search.size(), replacement);
    // Text before the replacement is unchanged and held no match, so a new
    // match can start at most search.size() - 1 characters before it.
    at = result.indexOf(search, std::max<qsizetype>(0, at - search.size() + 1));
  }
  return result;
}

}  // namespace arkwell::core
