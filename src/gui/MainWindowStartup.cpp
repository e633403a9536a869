// The create and show steps of the main window, the language and the save
// of everything the program keeps.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QShortcut>
#include <QTableView>

#include "core/CoreError.h"
#include "core/GridColumnWidths.h"
#include "core/Paths.h"
#include "core/SettingsStore.h"
#include "core/SystemFolders.h"
#include "gui/DetailsPanel.h"
#include "gui/JobGrid.h"
#include "gui/MainWindow.h"
#include "gui/PageControl.h"
#include "gui/TrayIcon.h"
#include "gui/pages/DiskRestorePage.h"
#include "gui/pages/FtpRestorePage.h"
#include "gui/pages/ImmediateBackupPage.h"
#include "gui/pages/ImmediateRestorePage.h"
#include "gui/pages/JobTablePage.h"
#include "gui/pages/NotesPage.h"
#include "gui/pages/ReportsPage.h"
#include "gui/pages/SettingsPage.h"
#include "gui/settings/MiscSettingsPage.h"
#include "gui/settings/SchedulerSettingsPage.h"
#include "text/TextTable.h"

namespace arkwell::gui {

namespace {

using core::TFenP;

constexpr const char* kEnglishDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr const char* kDutchDays[] = {"Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrijdag", "Zaterdag", "Zondag"};

}  // namespace

void MainWindow::createSteps() {
  shown = false;
  setSettingsChanged(false);

  const int failures = core::InitPaths(core::programFilePath());
  if (failures & core::kDataFolderNotCreated) {
    showMessage(core::DialogIcon::Error, QStringLiteral("Could not create \n\r") + TFenP.DataFolder);
  } else if (failures & core::kTempFolderNotCreated) {
    showMessage(core::DialogIcon::Error, QStringLiteral("Could not create \n\r") + TFenP.TempFolder);
  }
  if (failures != 0) Closing = startupFailed_ = true;
  core::MigrateOldFiles();

  details_->resetValues();
  progress_->setResult(QStringLiteral("-"));
  busy = BusyFlags{};

  loadStoredData();
  setMinimumSize(900, 620);
  resize(1024, 700);
  notesPage_->load();
  settingsPage_->load();
  fillLanguageBox();
  ApplyTexts();

  // A first start shows the details panel, though its setting stays off until toggled.
  details_->setVisible(firstStart || data_.settings.detailsVisible);
  buildTrayIcon();
  AutoRun = false;
}

void MainWindow::loadStoredData() {
  const QStringList errors = core::loadProgramData(TFenP, data_);
  if (!errors.isEmpty()) {
    showMessage(core::DialogIcon::Error,
                errors.join(QLatin1Char('\n')) +
                    QStringLiteral("\nThese files are left as they are; changes to what they hold are not saved."));
  }
  firstStart = !data_.settingsFileExisted;
  for (TableModel* model :
       {diskPage_->model(), ftpPage_->model(), immediatePage_->watchedModel(), immediatePage_->waitingModel()}) {
    model->reload();
  }
  immediatePage_->updateWaitingCaption();
  scheduleModel_->reload();
  for (QTableView* view : findChildren<QTableView*>()) restoreColumnWidths(*view);
}

void MainWindow::fillLanguageBox() {
  settingsPage_->miscPage()->setLanguages(text::languageNames(TFenP.LanguageFile), data_.settings.language);
  // The page has stored the choice in the settings, where ApplyTexts takes it from.
  connect(settingsPage_->miscPage(), &MiscSettingsPage::languageChosen, this, [this] { ApplyTexts(); });
}

void MainWindow::ApplyTexts() {
  texts_.CurrentLanguage = data_.settings.language;
  textsLoaded_ = texts_.LoadTexts(TFenP.LanguageFile, text::TextTable::kHighestText, TFenP.HelpFileEnglish);
  if (!textsLoaded_) {
    settingsPage_->miscPage()->setLanguageBoxEnabled(false);
    return;
  }
  settingsPage_->miscPage()->setLanguageBoxEnabled(true);
  const int tabTexts[kTabbedPages] = {8, 9, 213, 214, 294, 295, 10, 12};
  for (int page = 0; page < kTabbedPages; ++page) pages_->setTabCaption(page, texts_[tabTexts[page]]);
  for (Page* page : std::initializer_list<Page*>{diskPage_, diskRestorePage_, ftpPage_, ftpRestorePage_, immediatePage_,
                                                 immediateRestorePage_, reportsPage_, notesPage_, settingsPage_}) {
    page->applyTexts(texts_);
  }
  details_->applyTexts(texts_);
  progress_->applyTexts(texts_);
  struct ActionText {
    const char* name;
    int caption;
    int hint;
  };
  constexpr ActionText kActionTexts[] = {
      {"actSluiten", 363, 364},  {"actStopService", 365, 366}, {"ActStartService", 367, 368},
      {"actOptions", 369, 370},  {"ActShowDetails", 371, 372}, {"ActShowHelp", 373, 374},
      {"ActShowInfo", 375, 376}, {"ActUpdate", 377, 378},
  };
  for (const ActionText& t : kActionTexts) {
    QAction* a = action(QLatin1String(t.name));
    a->setText(texts_[t.caption]);
    const QString hint = texts_[t.hint] + (t.caption == 369 ? QStringLiteral("...") : QString());
    a->setToolTip(hint);
    a->setStatusTip(hint);
  }
  changedMarker_->setText(texts_[379]);
  ScheduleDays.clear();
  for (int day = 354; day <= 360; ++day) ScheduleDays << texts_[day];
  ScheduleDays << texts_[362];
  scheduleModel_->setTitles(core::scheduleTableLayout().titleTexts, texts_);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown) showSteps();
}

void MainWindow::showSteps() {
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setContext(Qt::ApplicationShortcut);
  connect(f1, &QShortcut::activated, this, [this] { openHelp(false); });

  // Without texts the day names would become placeholders and never match again.
  if (textsLoaded_) translateScheduleDays();
  setWindowTitle(QStringLiteral("Arkwell Backup"));
  // The command line first, so a command-line start never waits on a message box.
  const core::CommandLine line = core::parseCommandLine(arguments_);
  requests = line.requests;
  statusPanes_[3]->setText(line.statusText());
  CommandLineMode = line.commandLineMode();
  AutoRun = line.autoRun();
  reportsPage_->LoadLaatsteReport();
  if (AutoRun) commandLineRunTimer_.start();
  if (!AgentRunning && !AutoRun) immediateTimer_.start();
  scheduleTimer_.start();

  pageChanged(-1, pages_->currentPage());
  SaveAllSettings();
  shown = true;
  setSettingsChanged(false);
}

void MainWindow::translateScheduleDays() {
  core::Table& schedule = data_.schedule;
  for (int row = 1; row < schedule.rowCount(); ++row) {
    const QString day = schedule.cell(row, core::schedule_column::Day);
    for (int d = 0; d < 7; ++d) {
      if (day == QLatin1String(kEnglishDays[d]) || day == QLatin1String(kDutchDays[d])) {
        schedule.setCell(row, core::schedule_column::Day, ScheduleDays[d]);
      }
    }
  }
}

void MainWindow::SaveAllSettings() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    core::SaveAllSettings(TFenP, data_, texts_.texts(), [this](const QString& grid) {
      if (const auto* view = findChild<QTableView*>(grid)) storeColumnWidths(*view);
    });
  } catch (const core::CoreError& e) {
    showMessage(core::DialogIcon::Error, e.message());
  }
  QApplication::restoreOverrideCursor();
}

void MainWindow::setSettingsChanged(bool changed) {
  SettingsChanged = changed;
  if (changedMarker_) changedMarker_->setVisible(changed);
}

}  // namespace arkwell::gui
