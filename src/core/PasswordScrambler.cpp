#include "core/PasswordScrambler.h"

#include <cctype>
#include <cstdint>

namespace arkwell::core {

namespace {

constexpr int kCheckLength = 5;
const QString kFailed = QStringLiteral("??");

// Positions count from 1, as the swap rule is stated that way.
void swapPair(QByteArray& s, qsizetype j) {
  const qsizetype length = s.size();
  const qsizetype other = (j % 2 == 1) ? length - 2 * (j - 1) : length - j;
  std::swap(s[j - 1], s[other - 1]);
}

}  // namespace

QString CheckValue5(const QString& text) {
  const QByteArray bytes = text.toUtf8().left(255);
  std::uint16_t crc = 0;
  for (const char c : bytes) {
    crc ^= static_cast<std::uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
  }
  return QStringLiteral("%1").arg(crc, kCheckLength, 10, QLatin1Char('0'));
}

QString ScramblePassword(const QString& clear) {
  if (clear.isEmpty()) return {};
  const QByteArray hex = clear.toUtf8().toHex().toUpper();
  QByteArray s = CheckValue5(QString::fromLatin1(hex)).toLatin1() + hex;
  for (qsizetype j = 1; j <= s.size() / 2; ++j) swapPair(s, j);
  return QString::fromLatin1(s);
}

QString UnscramblePassword(const QString& scrambled) {
  if (scrambled.isEmpty()) return {};
  QByteArray s = scrambled.toLatin1();
  // A valid text is the check value plus an even number of hex digits.
  if (s.size() < kCheckLength + 2 || s.size() % 2 == 0) return kFailed;
  for (qsizetype j = s.size() / 2; j >= 1; --j) swapPair(s, j);
  const QByteArray check = s.left(kCheckLength);
  const QByteArray hex = s.mid(kCheckLength);
  if (CheckValue5(QString::fromLatin1(hex)).toLatin1() != check) return kFailed;
  for (const char c : hex) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return kFailed;
  }
  return QString::fromUtf8(QByteArray::fromHex(hex));
}

}  // namespace arkwell::core
