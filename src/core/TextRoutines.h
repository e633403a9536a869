#pragma once
// Small text routines shared by the workflows.
#include <QString>

namespace arkwell::core {

// Every character other than an ASCII letter or digit becomes "_"; one "_"
// per character, so the length in characters stays.
QString SanitizeName(const QString& text);
QString ReplaceChar(QString text, QChar from, QChar to);
// Replaces `search` by `replacement`, searching again from the start after
// each replacement, until none is left. Unchanged when `search` is empty or
// `replacement` contains it (that would never end); a pair that would keep
// making new matches for ever stops at a bound on growth and on steps.
QString ReplaceAll(const QString& text, const QString& search, const QString& replacement);

}  // namespace arkwell::core
