#pragma once
// Plain text files of lines (the ignore list, the notes): UTF-8, read with
// CR LF or LF, written with LF (or the caller's line end) and replaced
// atomically.
#include <QString>
#include <QStringList>
#include <optional>

namespace arkwell::core {

// Text cut into lines at LF or CR LF, without their line breaks and without
// an empty line after the last break. The one line rule of the text files.
QStringList splitLines(const QString& text);

// The whole file as text; nullopt when it does not exist. Throws CoreError
// naming the file when it exists but cannot be read.
std::optional<QString> readWholeText(const QString& path);
// The same, cut into lines (without their line breaks).
std::optional<QStringList> readTextLines(const QString& path);
// Each line ended by `lineEnd`. Throws CoreError "Cannot create file ..." on failure.
void writeTextLines(const QString& path, const QStringList& lines, const char* lineEnd = "\n");

}  // namespace arkwell::core
