#pragma once
// The reversible scrambling of stored passwords (no key): the text's bytes as
// upper-case hex, prefixed with a five-digit check value, then shuffled by
// fixed swaps. A scrambled text that fails its check reads back as "??".
#include <QString>

namespace arkwell::core {

QString ScramblePassword(const QString& clear);
QString UnscramblePassword(const QString& scrambled);
// CRC-16/ARC of the first 255 bytes of `text`, five decimal digits.
QString CheckValue5(const QString& text);

}  // namespace arkwell::core
