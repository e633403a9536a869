#include "core/SettingsStore.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <functional>
#include <span>
#include <vector>

#include "core/CoreError.h"
#include "core/PasswordScrambler.h"
#include "core/ProfileFile.h"
#include "core/SystemInfo.h"
#include "core/TableFile.h"
#include "core/TextFile.h"

namespace arkwell::core {

namespace {

constexpr int kDiskColumnsWithoutMask = 5;
constexpr int kFtpColumnsWithoutMask = 4;

// Loads a table file into `table` with the layout's column count. A missing
// file keeps `table`; an empty one gives the title row alone.
void loadTable(const QString& path, const TableLayout& layout, Table& table, int oldColumnCount = -1) {
  std::optional<Table> loaded = loadTableFile(path);
  if (!loaded) return;
  if (loaded->rowCount() == 0) loaded->appendRow(layout.designTitles);
  // Before file masks existed: mask and sub-folder columns go in at 3.
  if (oldColumnCount > 0 && loaded->columnCount() == oldColumnCount) {
    loaded->insertColumns(3, 2);
    for (int row = 1; row < loaded->rowCount(); ++row) {
      loaded->setCell(row, 3, QStringLiteral("*.*"));
      loaded->setCell(row, 4, QStringLiteral("Y"));
    }
  }
  loaded->setColumnCount(layout.columnCount());
  table = std::move(*loaded);
}

// One table as numbered keys: keys[c] + row for column c, rows 0 (titles) up
// to the count. Old row keys go first, so rows deleted since the last write
// cannot linger.
void writeTableKeys(ProfileFile& ini, const QString& section, const QString& countKey, const Table& table,
                    const QStringList& keys) {
  const QRegularExpression rowKey(QStringLiteral("^(%1)\\d+$").arg(keys.join(QLatin1Char('|'))),
                                  QRegularExpression::CaseInsensitiveOption);
  for (const QString& key : ini.keyNames(section)) {
    if (rowKey.match(key).hasMatch()) ini.eraseKey(section, key);
  }
  const int count = table.dataRowCount();
  ini.writeInteger(section, countKey, count);
  if (count == 0) return;
  for (int row = 0; row <= count; ++row) {
    for (int column = 0; column < keys.size(); ++column) {
      ini.writeString(section, keys[column] + QString::number(row), table.cell(row, column));
    }
  }
}

// A list as keys first .. first + count - 1, old numbered keys removed first.
void writeListKeys(ProfileFile& ini, const QString& section, const QString& countKey, const QStringList& values,
                   int first) {
  static const QRegularExpression numbered(QStringLiteral("^\\d+$"));
  for (const QString& key : ini.keyNames(section)) {
    if (numbered.match(key).hasMatch()) ini.eraseKey(section, key);
  }
  ini.writeInteger(section, countKey, static_cast<int>(values.size()));
  for (int i = 0; i < values.size(); ++i) ini.writeString(section, QString::number(first + i), values[i]);
}

// Each table's file, layout and place in the data, in the order of saving
// (the schedule last: the agent configuration follows it). One list serves
// loading (Data = ProgramData) and saving (Data = const ProgramData).
template <typename Data>
auto storedTables(const PathRecord& paths, Data& data) {
  struct StoredTable {
    const QString& path;
    const TableLayout& layout;
    decltype((data.diskJobs)) table;
    int oldColumnCount;  // the layout before file masks, upgraded on loading; -1 none
  };
  return std::vector<StoredTable>{{paths.DiskTableFile, diskTableLayout(), data.diskJobs, kDiskColumnsWithoutMask},
                                  {paths.FtpTableFile, ftpTableLayout(), data.ftpJobs, kFtpColumnsWithoutMask},
                                  {paths.ImmediateTableFile, immediateTableLayout(), data.immediateJobs, -1},
                                  {paths.ImmediateFilesFile, waitingFilesTableLayout(), data.waitingFiles, -1},
                                  {paths.ScheduleFile, scheduleTableLayout(), data.schedule, -1}};
}

template <typename Stored>
void load(const Stored& t) {
  loadTable(t.path, t.layout, t.table, t.oldColumnCount);
}

}  // namespace

void LoadJobTables(const PathRecord& paths, ProgramData& data) {
  const auto tables = storedTables(paths, data);
  for (const auto& t : std::span(tables).first(2)) load(t);  // disk and FTP jobs
}

QStringList loadProgramData(const PathRecord& paths, ProgramData& data) {
  QStringList errors;
  data.unreadableFiles.clear();
  auto read = [&](const QString& path, const std::function<void()>& reader) {
    try {
      reader();
    } catch (const CoreError& e) {
      errors << e.message();
      data.unreadableFiles << path;
    }
  };
  for (const auto& t : storedTables(paths, data)) read(t.path, [&] { load(t); });
  read(paths.NotesFile, [&] {
    if (const auto notes = readTextLines(paths.NotesFile)) data.notes = notes->join(QLatin1Char('\n'));
  });
  read(paths.IgnoreListFile, [&] { data.ignoreList.load(paths.IgnoreListFile); });
  data.settingsFileExisted = QFileInfo::exists(paths.SettingsFile);
  read(paths.SettingsFile, [&] { loadSettings(paths.SettingsFile, data.settings, paths.ReportsFolder); });
  return errors;
}

void SaveAllSettings(const PathRecord& paths, const ProgramData& data, const QStringList& texts,
                     const GridWidthSaver& saveGridWidths) {
  auto widths = [&](const QString& grid) {
    if (saveGridWidths) saveGridWidths(grid);
  };
  const auto readable = [&](const QString& path) { return !data.unreadableFiles.contains(path); };
  const auto tables = storedTables(paths, data);
  const auto& schedule = tables.back();
  for (const auto& t : std::span(tables).first(tables.size() - 1)) {
    if (readable(t.path)) saveTableFile(t.path, t.table);
    widths(t.layout.gridName);
  }
  widths(kImmediateRestoreGrid);
  if (readable(schedule.path)) saveTableFile(schedule.path, schedule.table);
  if (data.unreadableFiles.isEmpty()) WriteAgentConfig(paths, data, texts);
  widths(schedule.layout.gridName);
  if (readable(paths.IgnoreListFile)) data.ignoreList.save(paths.IgnoreListFile);
  if (readable(paths.NotesFile)) {
    writeTextLines(paths.NotesFile, data.notes.isEmpty() ? QStringList() : data.notes.split(QLatin1Char('\n')));
  }
  if (readable(paths.SettingsFile)) saveSettings(paths.SettingsFile, data.settings);
}

void WriteAgentConfig(const PathRecord& paths, const ProgramData& data, const QStringList& texts) {
  const Settings& s = data.settings;
  ProfileFile ini(paths.AgentConfigFile);
  ini.setOwnerOnly(true);
  auto str = [&](const char* section, const QString& key, const QString& value) {
    ini.writeString(QLatin1String(section), key, value);
  };
  auto num = [&](const char* section, const QString& key, int value) {
    ini.writeInteger(QLatin1String(section), key, value);
  };
  auto flag = [&](const char* section, const QString& key, bool value) {
    ini.writeBool(QLatin1String(section), key, value);
  };
  auto key = [](const char* name) { return QLatin1String(name); };

  str("General", key("path"), paths.DataFolder + QLatin1Char('/'));
  str("General", key("ver"), FileVersionString());
  str("General", key("host"), ComputerNameString());
  flag("General", key("Debugmode"), s.debugMode);
  flag("General", key("System"), s.systemAccount);
  str("General", key("serviceaccount"), ScramblePassword(s.serviceAccount));
  str("General", key("servicepassword"), ScramblePassword(s.servicePassword));

  QStringList codes;
  for (int row = 1; row < data.schedule.rowCount(); ++row) codes << data.schedule.cell(row, schedule_column::Code);
  writeListKeys(ini, QStringLiteral("Schedule"), QStringLiteral("count"), codes, 1);

  str("DiskBackup", key("DefaultTarget"), s.defaultDir);
  str("DiskBackup", key("RunBefore"), s.runBefore);
  str("DiskBackup", key("RunAfter"), s.runAfter);
  num("DiskBackup", key("RemoveAfter"), s.diskMaxDays);
  num("DiskBackup", key("MinKeep"), s.diskMinKeep);
  num("DiskBackup", key("SDDelay"), s.shutdownDelay);
  writeTableKeys(ini, QStringLiteral("DiskBackup"), QStringLiteral("Count"), data.diskJobs,
                 {QStringLiteral("Active"), QStringLiteral("Name"), QStringLiteral("Source"), QStringLiteral("Mask"),
                  QStringLiteral("SubDirs"), QStringLiteral("Destination"), QStringLiteral("Last")});

  for (int slot = 0; slot < Settings::kFtpServerCount; ++slot) {
    const FtpServerSettings& server = s.ftpServers[slot];
    const QString n = QString::number(slot + 1);
    str("FTP", key("Naam") + n, server.name);
    str("FTP", key("Host") + n, server.host);
    str("FTP", key("UserID") + n, server.userId);
    str("FTP", key("Password") + n, server.password);
    str("FTP", key("Port") + n, server.port);
    str("FTP", key("BaseDir") + n, server.baseDir);
    flag("FTP", key("Passive") + n, server.passive);
    flag("FTP", key("CanBeUsed") + n, server.canBeUsed);
  }
  num("FTP", key("RemoveAfter"), s.ftpMaxDays);
  num("FTP", key("MinKeep"), s.ftpMinKeep);
  writeTableKeys(ini, QStringLiteral("FTP"), QStringLiteral("Count"), data.ftpJobs,
                 {QStringLiteral("Active"), QStringLiteral("Name"), QStringLiteral("Source"), QStringLiteral("Mask"),
                  QStringLiteral("SubDirs"), QStringLiteral("Last")});

  str("ImBackup", key("Target"), s.immediateTargetDir);
  num("ImBackup", key("Every"), s.immediateEvery);
  num("ImBackup", key("Remove"), s.immediateRemove);
  writeTableKeys(
      ini, QStringLiteral("ImBackup"), QStringLiteral("Count"), data.immediateJobs,
      {QStringLiteral("Active"), QStringLiteral("Name"), QStringLiteral("Source"), QStringLiteral("SubDirs")});

  num("Internet", key("Access"), s.internetAccess);
  str("Internet", key("ProxyServer"), s.proxyServer);
  str("Internet", key("ProxyUserID"), s.proxyUserId);
  str("Internet", key("ProxyPassword"), s.proxyPassword);

  str("Misc", key("Language"), s.language);

  ini.eraseSection(QStringLiteral("Reports"));
  flag("Reports", key("Create"), s.reportsCreate);
  flag("Reports", key("FileDetails"), s.reportsFileDetails);
  flag("Reports", key("Save"), s.reportsSave);
  str("Reports", key("ReportPath"), s.reportsSaveDir);
  num("Reports", key("Remove"), s.reportsRemoveDays);
  flag("Reports", key("Sendmail"), s.mailSend);
  str("Reports", key("Smptserver"), s.mailSmtp);
  str("Reports", key("From"), s.mailFrom);
  writeRecipients(ini, QStringLiteral("Reports"), s.recipients);
  str("Reports", key("Subject"), s.mailSubject);

  writeListKeys(ini, QStringLiteral("Ignore"), QStringLiteral("count"), data.ignoreList.entries(), 1);
  writeListKeys(ini, QStringLiteral("Language"), QStringLiteral("Count"), texts, 0);
  ini.flush();
}

}  // namespace arkwell::core
