#pragma once
// Everything the program keeps between runs, as data: the settings, the five
// job tables, the ignore list and the notes. The window edits it; the runs
// and the agent configuration are made from it.
#include <QString>

#include "core/IgnoreList.h"
#include "core/JobTableLayouts.h"
#include "core/Settings.h"
#include "core/Table.h"

namespace arkwell::core {

struct ProgramData {
  Settings settings;
  bool settingsFileExisted = false;  // false: a first start
  Table diskJobs = diskTableLayout().designTable();
  Table ftpJobs = ftpTableLayout().designTable();
  Table immediateJobs = immediateTableLayout().designTable();
  Table waitingFiles = waitingFilesTableLayout().designTable();
  Table schedule = scheduleTableLayout().designTable();
  IgnoreList ignoreList;
  QString notes;
  // Files that existed but could not be read at start. They are never
  // written over, and the agent configuration, which would be made from
  // defaults in their place, is left as it is.
  QStringList unreadableFiles;
};

}  // namespace arkwell::core
