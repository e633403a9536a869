#pragma once
// The rules of the disk job table (see core::disk_column): which rows count as
// active or runnable, the page's button states, the commands that edit the
// table, the duplicate-destination check a run makes before it starts, and
// the archive name of a run. Pure functions over core::Table, no widgets.
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

#include "core/Table.h"

namespace arkwell::disk {

// Column 0 is exactly "Y" (letter case matters) and name, source and
// destination are not empty. Row 0 (titles) never qualifies.
bool rowEnablesButtons(const core::Table& table, int row);
// Column 0 is exactly "Y" and source and destination are not empty; the name
// is not required. Row 0 never qualifies.
bool rowRuns(const core::Table& table, int row);
// Job rows whose column 0 is exactly "Y", runnable or not.
int activeRowCount(const core::Table& table);

struct ButtonStates {
  bool remove = false;  // a job row is selected
  bool backup = false;  // full and incremental backup buttons
};
// Remove: `currentRow` is a job row of the table (1 .. last row).
// Backup: at least one row meets rowEnablesButtons.
ButtonStates SetButtons(const core::Table& table, int currentRow);

// The name for a new job: `prefix` + "1" when there are no job rows, else the
// first `prefix` + c, for c = '1', '2', ... going up by character code ('9'
// is followed by ':'), that no name cell contains, letter case ignored.
QString nextJobName(const core::Table& table, const QString& prefix);
// Appends an inactive job ["N", nextJobName, sourcePlaceholder, "*.*", "Y",
// defaultDestination, "-"] and returns its row. A table without a title row
// first gets an empty one, so the job is never row 0.
int addJobRow(core::Table& table, const QString& prefix, const QString& sourcePlaceholder,
              const QString& defaultDestination);
// Column 0 of every job row becomes "Y" (true) or "N" (false).
void setAllActive(core::Table& table, bool active);

// Every pair of rows (d, f), d < f, both exactly "Y", whose destinations are
// equal once surrounding blanks are removed and letter case is ignored
// (empty destinations included). A run is refused while any pair exists.
QList<QPair<int, int>> duplicateDestinations(const core::Table& table);

// A floppy drive destination: the text as written begins with a drive "A:" or
// "B:" (any letter case), alone or followed by "\" or "/" and more. Linux
// paths never are, although "Backups" or "/backup" begin with a B or an A:
// the old first-letter test would make every such folder ask for floppies.
bool isFloppyDestination(const QString& destination);

// "yyyyMMdd-HHmm" of the run's start plus ".KBI" (incremental) or ".KBU"
// (full), with ASCII digits whatever the locale.
QString archiveFileName(const QDateTime& start, bool incremental);

}  // namespace arkwell::disk
