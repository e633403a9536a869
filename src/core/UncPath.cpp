#include "core/UncPath.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

#include "core/PathJoin.h"

namespace arkwell::core {

namespace {

// mountinfo escapes blanks, tabs, line breaks and backslashes as \ooo.
QString unescapeMountField(const QString& field) {
  QByteArray out;
  const QByteArray in = field.toUtf8();
  for (qsizetype i = 0; i < in.size(); ++i) {
    const bool escaped =
        in[i] == '\\' && i + 3 < in.size() &&
        std::all_of(in.begin() + i + 1, in.begin() + i + 4, [](char c) { return c >= '0' && c <= '7'; });
    if (escaped) {
      out += static_cast<char>(in.mid(i + 1, 3).toInt(nullptr, 8));
      i += 3;
    } else {
      out += in[i];
    }
  }
  return QString::fromUtf8(out);
}

}  // namespace

QString UncToDrivePath(const QString& path) {
  QFile file(QStringLiteral("/proc/self/mountinfo"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return UncToDrivePath(path, QString::fromUtf8(file.readAll()));
}

QString UncToDrivePath(const QString& path, const QString& mountInfo) {
  if (!path.startsWith(QLatin1String("\\\\"))) return path;
  // Share prefix: \\server\share, the rest starts at the backslash after it.
  const qsizetype afterServer = path.indexOf(QLatin1Char('\\'), 2);
  const qsizetype afterShare = afterServer < 0 ? -1 : path.indexOf(QLatin1Char('\\'), afterServer + 1);
  const QString share = afterShare < 0 ? path : path.left(afterShare);
  QString rest = afterShare < 0 ? QString() : path.mid(afterShare);
  rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
  QString source = share;
  source.replace(QLatin1Char('\\'), QLatin1Char('/'));

  for (const QString& line : mountInfo.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QStringList fields = line.split(QLatin1Char(' '));
    const qsizetype separator = fields.indexOf(QStringLiteral("-"));
    if (separator < 5 || separator + 2 >= fields.size()) continue;
    const QString type = fields[separator + 1];
    if (type != QLatin1String("cifs") && type != QLatin1String("smb3")) continue;
    // Only a mount of the whole share: its root is the share's root.
    if (fields[3] != QLatin1String("/")) continue;
    const QString mountSource = withoutTrailingSlash(unescapeMountField(fields[separator + 2]));
    if (mountSource.compare(source, Qt::CaseInsensitive) != 0) continue;
    const QString mountPoint = withoutTrailingSlash(unescapeMountField(fields[4]));
    if (mountPoint == QLatin1String("/")) return rest.isEmpty() ? mountPoint : rest;
    return mountPoint + rest;
  }
  return {};
}

}  // namespace arkwell::core
