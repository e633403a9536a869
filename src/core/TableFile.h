#pragma once
// Table files: a table as text, one CSV line per row (title row first),
// UTF-8, lines ending in CR LF.
#include <QString>
#include <optional>

#include "core/Table.h"

namespace arkwell::core {

// nullopt when the file does not exist; an empty file gives an empty table.
// Throws CoreError naming the file when it exists but cannot be read.
std::optional<Table> loadTableFile(const QString& path);
// Replaces the file atomically. Throws CoreError "Cannot create file ..." on failure.
void saveTableFile(const QString& path, const Table& table);

}  // namespace arkwell::core
