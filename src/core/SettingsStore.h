#pragma once
// Loading and saving everything the program keeps: the job tables, the
// notes, the ignore list, the settings file, and the configuration file that
// the agent runs from.
#include <QString>
#include <QStringList>
#include <functional>

#include "core/Paths.h"
#include "core/ProgramData.h"

namespace arkwell::core {

// Loads the disk and FTP job tables, upgrading the older layouts without
// file masks (5 and 4 columns), and gives them their column counts. A missing
// file leaves the design table.
void LoadJobTables(const PathRecord& paths, ProgramData& data);

// The start-up order: job tables, the other tables, notes and ignore list,
// then the settings file. A file that cannot be read keeps its defaults, is
// listed in data.unreadableFiles, and its error message (naming it) is
// returned; the other files are still read.
QStringList loadProgramData(const PathRecord& paths, ProgramData& data);

// Called with each grid's name where its column widths are due; the window
// stores them (see GridColumnWidths.h).
using GridWidthSaver = std::function<void(const QString& gridName)>;

// Writes every store in its fixed order, except files that could not be
// read at start. `texts` is the text table in the current language, for the
// agent. Throws CoreError at the first store that cannot be written; the
// stores before it stay written.
void SaveAllSettings(const PathRecord& paths, const ProgramData& data, const QStringList& texts,
                     const GridWidthSaver& saveGridWidths = {});

// Writes the agent configuration file (owner-only when new; it holds FTP
// passwords in clear text). A table or list that is empty writes a count of
// 0 and loses its old rows.
void WriteAgentConfig(const PathRecord& paths, const ProgramData& data, const QStringList& texts);

}  // namespace arkwell::core
