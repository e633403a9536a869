#pragma once
// The columns of the five job tables and the grids that show them: column
// counts, what each cell holds, the titles a table has before the language
// file relabels it and the text numbers that relabel it, and the table a
// missing file leaves. The one description of each table.
#include <QString>
#include <QStringList>

#include "core/Table.h"

namespace arkwell::core {

// What a cell holds: free text, a yes/no check box ("Y"/"N"), or text the
// user does not edit.
enum class CellKind { Text, Check, ReadOnly };

struct TableLayout {
  QString gridName;  // section of the column-width store
  QStringList designTitles;
  QList<CellKind> cellKinds;
  QList<int> titleTexts;  // the text number of each column title
  int emptyRows = 1;      // data rows of a table whose file is missing

  int columnCount() const { return static_cast<int>(designTitles.size()); }
  // Titles plus the empty rows.
  Table designTable() const;
};

namespace disk_column {
enum : int { Active = 0, Name, Source, Mask, SubDirs, Destination, Last, Count };
}
namespace ftp_column {
enum : int { Active = 0, Name, Source, Mask, SubDirs, Last, Count };
}
namespace immediate_column {
enum : int { Active = 0, Name, Source, SubDirs, Count };
}
namespace waiting_column {
enum : int { Time = 0, Changes, Path, Count };
}
namespace schedule_column {
enum : int { Active = 0, Day, Time, FullDisk, IncrDisk, FullFtp, IncrFtp, Busy, Code, PowerOff, Count };
}

const TableLayout& diskTableLayout();
const TableLayout& ftpTableLayout();
const TableLayout& immediateTableLayout();
const TableLayout& waitingFilesTableLayout();
const TableLayout& scheduleTableLayout();
// The immediate restore list keeps only its column widths.
inline const QString kImmediateRestoreGrid = QStringLiteral("IBRestoreGrid");

}  // namespace arkwell::core
