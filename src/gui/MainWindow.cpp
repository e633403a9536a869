// The main window's construction: pages, panels, toolbar, status bar, tray
// icon and timers. The create steps run at the end of the constructor.
#include "gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/JobTableLayouts.h"
#include "gui/DetailsPanel.h"
#include "gui/DiskJobsController.h"
#include "gui/DiskRestoreController.h"
#include "gui/PageControl.h"
#include "gui/SelectFilesDialog.h"
#include "gui/TrayIcon.h"
#include "gui/pages/DiskRestorePage.h"
#include "gui/pages/FtpRestorePage.h"
#include "gui/pages/ImmediateBackupPage.h"
#include "gui/pages/ImmediateRestorePage.h"
#include "gui/pages/JobTablePage.h"
#include "gui/pages/NotesPage.h"
#include "gui/pages/ReportsPage.h"
#include "gui/pages/SettingsPage.h"
#include "gui/settings/DiskSettingsPage.h"
#include "gui/settings/SchedulerSettingsPage.h"

namespace arkwell::gui {

MainWindow::MainWindow(core::DialogService& dialogs, QStringList arguments, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      arguments_(std::move(arguments)),
      diskRun_(*this, data_, backupFile_, runControl_),
      runner_(*this, diskRun_),
      restoreRun_(*this, data_, backupFile_, runControl_, diskRun_) {
  runner_.closeWindow = [this] { close(); };
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Arkwell Backup"));
  buildPages();
  buildToolbar();
  buildStatusBar();
  buildTimers();
  createSteps();
  selectFiles_ = new SelectFilesDialog(this);
  connect(selectFiles_, &SelectFilesDialog::helpRequested, this, [this] { openHelp(false); });
  diskRestore_ = new DiskRestoreController(*diskRestorePage_, *selectFiles_, data_, *this, restoreRun_, this);
  connect(this, &MainWindow::diskArchivesUpdated, diskRestore_, &DiskRestoreController::refreshArchives);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages() {
  pages_ = new PageControl(this);
  diskPage_ = new JobTablePage(data_.diskJobs, core::diskTableLayout(), this);
  diskPage_->setObjectName(QStringLiteral("diskBackupPage"));
  diskRestorePage_ = new DiskRestorePage(this);
  ftpPage_ = new JobTablePage(data_.ftpJobs, core::ftpTableLayout(), this);
  ftpPage_->setObjectName(QStringLiteral("ftpBackupPage"));
  ftpRestorePage_ = new FtpRestorePage(this);
  immediatePage_ = new ImmediateBackupPage(data_.immediateJobs, data_.waitingFiles, this);
  immediateRestorePage_ = new ImmediateRestorePage(this);
  reportsPage_ = new ReportsPage(
      dialogs_, [this] { return data_.settings.reportsSaveDir; },
      [this](core::DialogIcon icon, const QString& text) { showMessage(icon, text); }, this);
  notesPage_ = new NotesPage(data_, this);
  settingsPage_ = new SettingsPage(data_, dialogs_, this);

  pages_->addPage(diskPage_, QStringLiteral("Backup to disk"));
  pages_->addPage(diskRestorePage_, QStringLiteral("Restore from disk"));
  pages_->addPage(ftpPage_, QStringLiteral("Backup to FTP"));
  pages_->addPage(ftpRestorePage_, QStringLiteral("Restore from FTP"));
  pages_->addPage(immediatePage_, QStringLiteral("Immediate backup"));
  pages_->addPage(immediateRestorePage_, QStringLiteral("Immediate restore"));
  pages_->addPage(reportsPage_, QStringLiteral("Reports"));
  pages_->addPage(notesPage_, QStringLiteral("Notes"));
  pages_->addPageWithoutTab(settingsPage_);
  pages_->setGuard([this](int from, int to) { return allowPageChange(from, to); });
  connect(pages_, &PageControl::pageChanged, this, &MainWindow::pageChanged);
  settingsPage_->setGuard([this](int from, int to) { return allowSubPageChange(from, to); });
  connect(settingsPage_, &SettingsPage::subPageChanged, this, &MainWindow::subPageChanged);
  connect(settingsPage_, &SettingsPage::changed, this, [this] { setSettingsChanged(true); });
  connect(settingsPage_->diskPage(), &DiskSettingsPage::testRunBeforeRequested, this, [this] { testCommand(true); });
  connect(settingsPage_->diskPage(), &DiskSettingsPage::testRunAfterRequested, this, [this] { testCommand(false); });
  QTableView* scheduleView = settingsPage_->schedulerPage()->tableView();
  scheduleView->setObjectName(core::scheduleTableLayout().gridName);
  scheduleModel_ = new TableModel(data_.schedule, core::scheduleTableLayout(), scheduleView);
  scheduleView->setModel(scheduleModel_);
  scheduleView->setColumnHidden(core::schedule_column::Code, true);
  for (TableModel* model : {ftpPage_->model(), immediatePage_->watchedModel(), scheduleModel_}) {
    connect(model, &TableModel::edited, this, [this] { setSettingsChanged(true); });
  }

  diskJobs_ = new DiskJobsController(
      *diskPage_, data_, texts_, dialogs_, [this](bool full) { startDiskBackup(full); }, this);
  connect(diskJobs_, &DiskJobsController::changed, this, [this] { setSettingsChanged(true); });

  details_ = new DetailsPanel(this);
  progress_ = new ProgressPanel(this);
  connect(progress_->abortButton(), &QPushButton::clicked, this, &MainWindow::abortRuns);
  auto* central = new QWidget(this);
  pages_->setSideWidget(details_);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(pages_, 1);
  layout->addWidget(progress_);
  setCentralWidget(central);
  details_->setVisible(false);
}

void MainWindow::buildToolbar() {
  toolbar_ = addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(QStringLiteral("toolbar"));
  toolbar_->setMovable(false);
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  struct ActionSpec {
    const char* name;
    const char* caption;
    QStyle::StandardPixmap icon;
    std::function<void()> run;
  };
  const ActionSpec specs[] = {
      {"actSluiten", "&Close", QStyle::SP_DialogCloseButton, [this] { closeByCommand(); }},
      {"actStopService", "Stop agent", QStyle::SP_MediaStop, [this] { emit stopAgentRequested(); }},
      {"ActStartService", "Start agent", QStyle::SP_MediaPlay, [this] { emit startAgentRequested(); }},
      {"actOptions", "&Options", QStyle::SP_FileDialogDetailedView, [this] { actOptions(); }},
      {"ActShowDetails", "&Details", QStyle::SP_FileDialogInfoView, [this] { actShowDetails(); }},
      {"ActShowHelp", "&Help", QStyle::SP_DialogHelpButton, [this] { openHelp(true); }},
      {"ActShowInfo", "&Information", QStyle::SP_MessageBoxInformation, [this] { ActShowInfo(); }},
      {"ActUpdate", "&Update", QStyle::SP_BrowserReload, [this] { actUpdate(); }},
  };
  for (const ActionSpec& spec : specs) {
    QAction* a = toolbar_->addAction(style()->standardIcon(spec.icon), QString::fromLatin1(spec.caption));
    a->setObjectName(QLatin1String(spec.name));
    connect(a, &QAction::triggered, this, spec.run);
  }
  // The agent commands come alive once an agent is installed.
  action(QStringLiteral("actStopService"))->setEnabled(false);
  action(QStringLiteral("ActStartService"))->setEnabled(false);
}

QAction* MainWindow::action(const QString& objectName) const {
  return toolbar_->findChild<QAction*>(objectName);
}

void MainWindow::buildStatusBar() {
  for (int pane = 0; pane < kStatusPanes; ++pane) {
    statusPanes_[pane] = new QLabel(this);
    statusPanes_[pane]->setObjectName(QStringLiteral("statusPane%1").arg(pane));
    statusBar()->addWidget(statusPanes_[pane], pane == 1 ? 1 : 0);
  }
  changedMarker_ = new QLabel(QStringLiteral("Settings changed"), this);
  changedMarker_->setObjectName(QStringLiteral("Label62"));
  changedMarker_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  changedMarker_->setVisible(false);
  statusBar()->addPermanentWidget(changedMarker_);
}

void MainWindow::buildTrayIcon() {
  tray_ = new TrayIcon(this);
  connect(tray_, &TrayIcon::openRequested, this, &MainWindow::bringToFront);
  connect(tray_, &TrayIcon::exitRequested, this, &MainWindow::closeByCommand);
  QApplication::processEvents();
  tray_->setVisible(true);
}

void MainWindow::buildTimers() {
  commandLineRunTimer_.setInterval(kCommandLineRunMs);
  commandLineRunTimer_.setSingleShot(true);
  scheduleTimer_.setInterval(kScheduleMs);
  immediateTimer_.setInterval(kImmediateMs);
  agentStatusTimer_.setInterval(kAgentStatusMs);
  agentStatusTimer_.setSingleShot(true);  // re-armed by its handler unless Closing
  connect(&commandLineRunTimer_, &QTimer::timeout, this, &MainWindow::runCommandLineBatch);
  connect(&scheduleTimer_, &QTimer::timeout, this, &MainWindow::scheduleTick);
  connect(&immediateTimer_, &QTimer::timeout, this, &MainWindow::immediateTick);
  connect(&agentStatusTimer_, &QTimer::timeout, this, &MainWindow::agentStatusTick);
  closeWaitTimer_.setInterval(kCloseWaitMs);
  closeWaitTimer_.setSingleShot(true);
  connect(&closeWaitTimer_, &QTimer::timeout, this, &MainWindow::abortRuns);
}

}  // namespace arkwell::gui
