#include "core/TextFile.h"

#include <QFile>

#include "core/AtomicWrite.h"
#include "core/CoreError.h"

namespace arkwell::core {

std::optional<QString> readWholeText(const QString& path) {
  QFile file(path);
  if (!file.exists()) return std::nullopt;
  if (!file.open(QIODevice::ReadOnly)) {
    throw CoreError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
  }
  return QString::fromUtf8(file.readAll());
}

QStringList splitLines(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();  // after the last line break
  for (QString& line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  }
  return lines;
}

std::optional<QStringList> readTextLines(const QString& path) {
  const std::optional<QString> text = readWholeText(path);
  if (!text) return std::nullopt;
  return splitLines(*text);
}

void writeTextLines(const QString& path, const QStringList& lines, const char* lineEnd) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += line.toUtf8();
    bytes += lineEnd;
  }
  QString error;
  if (!replaceFileContents(path, bytes, &error)) throw cannotCreateFile(path, error);
}

}  // namespace arkwell::core
