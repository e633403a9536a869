#pragma once
// The main window: owns the program's data, the text table, the pages, the
// toolbar, the tray icon, the timers and the current run report; creates,
// shows and closes in a fixed order, guards page changes, and is the run
// host the runs report to. The runs themselves live in their subsystems.
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>

#include "archive/BackupFile.h"
#include "core/CommandLine.h"
#include "core/DialogService.h"
#include "core/ProgramData.h"
#include "core/RunHost.h"
#include "disk/DiskBackupRun.h"
#include "disk/DiskRestoreRun.h"
#include "report/RunReport.h"
#include "schedule/BatchRunner.h"
#include "text/TextTable.h"

class QAction;
class QLabel;
class QToolBar;

namespace arkwell::gui {

class DetailsPanel;
class DiskJobsController;
class DiskRestoreController;
class SelectFilesDialog;
class DiskRestorePage;
class FtpRestorePage;
class ImmediateBackupPage;
class ImmediateRestorePage;
class JobGrid;
class JobTablePage;
class NotesPage;
class PageControl;
class ProgressPanel;
class ReportsPage;
class SettingsPage;
class TableModel;
class TrayIcon;

class MainWindow : public QMainWindow, public core::RunHost {
  Q_OBJECT
 public:
  enum PageIndex {
    kDiskBackupPage,
    kDiskRestorePage,
    kFtpBackupPage,
    kFtpRestorePage,
    kImmediateBackupPage,
    kImmediateRestorePage,
    kReportsPage,
    kNotesPage,
    kSettingsPage,
  };
  static constexpr int kTabbedPages = kSettingsPage;
  static constexpr int kStatusPanes = 4;
  static constexpr int kCommandLineRunMs = 5000;
  static constexpr int kScheduleMs = 3000;
  static constexpr int kImmediateMs = 60000;
  static constexpr int kAgentStatusMs = 500;
  static constexpr int kCloseWaitMs = 30000;

  // Runs the create steps: paths, moving old files, tables, settings,
  // language, tray icon. `arguments` is the command line without the program.
  MainWindow(core::DialogService& dialogs, QStringList arguments, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Window state used across the program.
  bool shown = false;
  bool SettingsChanged = false;
  bool AgentInstalled = false;
  bool AgentRunning = false;
  bool AutoRun = false;
  bool CommandLineMode = false;
  bool Closing = false;
  bool firstStart = false;
  struct BusyFlags {
    bool diskRun = false;
    bool ftpRun = false;
    bool ftpListing = false;
    bool diskRestore = false;
    bool immediateRun = false;
    bool any() const { return diskRun || ftpRun || ftpListing || diskRestore || immediateRun; }
  } busy;
  core::RunRequests requests;
  QString CurrentHelpTopic;
  // The day choices of the schedule's day column in the current language:
  // Monday to Sunday, then every day.
  QStringList ScheduleDays;

  core::ProgramData& data() { return data_; }

  // Saves every store (tables, widths, agent configuration, lists, settings)
  // with the busy cursor; a failure is shown and ends the save there.
  void SaveAllSettings() override;
  // Loads the texts of the current language and puts them on every control;
  // without a language file the language box is disabled and the design
  // captions stay.
  void ApplyTexts();
  void setSettingsChanged(bool changed);
  // Finishes the current report: mail, show, save, prune.
  void EndReport() override;
  // The information box: the splash, modal, with version and close button.
  void ActShowInfo();
  // Back from the tray or from behind other windows (a second start asks).
  void bringToFront();

  // The full and incremental buttons of the disk page.
  void startDiskBackup(bool full);
  // The command-line runner: the requested backups, then close (and power off).
  void runCommandLineBatch();
  // The Abort button.
  void abortRuns();
  // The test buttons of the commands before and after a full backup.
  void testCommand(bool before);

  disk::RunControl& runControl() { return runControl_; }
  schedule::BatchRunner& batchRunner() { return runner_; }
  DiskJobsController* diskJobs() const { return diskJobs_; }
  DiskRestoreController* diskRestore() const { return diskRestore_; }

  // Hooks for the later subsystems (null: nothing to do yet).
  std::function<bool()> ftpConnected;                      // the FTP client is connected
  std::function<void()> finalImmediateBackup;              // close: save the waiting files
  std::function<void(const QStringList&)> sendReportMail;  // throws on failure

  // RunHost
  void setDetail(core::DetailField field, const QString& value) override;
  void setProgress(int overallPercent, int detailPercent) override;
  void setStatusPane(int pane, const QString& text) override;
  core::DialogService& dialogs() override { return dialogs_; }
  bool commandLineMode() const override { return CommandLineMode; }
  void showMessage(core::DialogIcon icon, const QString& text) override;
  void pumpMessages() override;
  void lockRun() override;
  void releaseRun() override;
  void setAbortEnabled(bool enabled) override;
  void setRunBusy(core::RunKind kind, bool busy) override;
  bool runBusy(core::RunKind kind) const override;
  void startRunAnimation(const QString& hint) override;
  void stopRunAnimation() override;
  void diskArchivesChanged() override;
  report::RunReport& report() override { return report_; }
  const text::TextTable& texts() const override { return texts_; }

  // Parts of the window that tests and the subsystems reach.
  PageControl* pageControl() const { return pages_; }
  SettingsPage* settingsPage() const { return settingsPage_; }
  ReportsPage* reportsPage() const { return reportsPage_; }
  JobTablePage* diskBackupPage() const { return diskPage_; }
  JobTablePage* ftpBackupPage() const { return ftpPage_; }
  DiskRestorePage* diskRestorePage() const { return diskRestorePage_; }
  DetailsPanel* detailsPanel() const { return details_; }
  ProgressPanel* progressPanel() const { return progress_; }
  TrayIcon* trayIcon() const { return tray_; }
  QLabel* statusPane(int pane) const { return statusPanes_[pane]; }
  QTimer& commandLineRunTimer() { return commandLineRunTimer_; }
  QTimer& scheduleTimer() { return scheduleTimer_; }
  QTimer& immediateTimer() { return immediateTimer_; }
  QAction* action(const QString& objectName) const;

 signals:
  // Timer ticks and commands whose work belongs to later subsystems.
  void scheduleTick();
  void immediateTick();
  void agentStatusTick();
  void helpRequested(const QString& helpFile, const QString& topic, bool changeFile);
  void startAgentRequested();
  void stopAgentRequested();
  // A disk run wrote or removed archives.
  void diskArchivesUpdated();
  // The window closed for good (the program ends; the tray may have hidden it).
  void closed();
  void updateRequested(const QString& proxyServer, const QString& proxyUser, const QString& proxyPassword);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Construction (MainWindow.cpp)
  void buildPages();
  void buildToolbar();
  void buildStatusBar();
  void buildTrayIcon();
  void buildTimers();
  // Create and show steps (MainWindowStartup.cpp)
  void createSteps();
  void loadStoredData();
  void fillLanguageBox();
  void showSteps();
  void translateScheduleDays();
  // Pages (MainWindowPages.cpp)
  bool allowPageChange(int from, int to);
  void pageChanged(int from, int to);
  bool allowSubPageChange(int from, int to);
  void subPageChanged(int index);
  void setHelpTopic(int number);
  void openHelp(bool changeFile);
  // The FTP client still connected: says `message` and answers true.
  bool ftpStillConnected(const QString& message);
  // Toolbar commands (MainWindowPages.cpp)
  void actOptions();
  void actShowDetails();
  void actUpdate();
  // Close (MainWindowClose.cpp)
  // "Close" and the tray's "Exit": a close by command.
  void closeByCommand();
  bool closeQuery();
  void closeHandler();

  core::DialogService& dialogs_;
  QStringList arguments_;
  core::ProgramData data_;
  text::TextTable texts_;
  report::RunReport report_;
  archive::TBackupFile backupFile_{"BackupFile1"};
  disk::RunControl runControl_;
  disk::DiskBackupRun diskRun_;
  schedule::BatchRunner runner_;
  disk::DiskRestoreRun restoreRun_;
  TableModel* scheduleModel_ = nullptr;
  DiskJobsController* diskJobs_ = nullptr;
  DiskRestoreController* diskRestore_ = nullptr;

  PageControl* pages_ = nullptr;
  JobTablePage* diskPage_ = nullptr;
  DiskRestorePage* diskRestorePage_ = nullptr;
  JobTablePage* ftpPage_ = nullptr;
  FtpRestorePage* ftpRestorePage_ = nullptr;
  ImmediateBackupPage* immediatePage_ = nullptr;
  ImmediateRestorePage* immediateRestorePage_ = nullptr;
  ReportsPage* reportsPage_ = nullptr;
  NotesPage* notesPage_ = nullptr;
  SettingsPage* settingsPage_ = nullptr;
  DetailsPanel* details_ = nullptr;
  ProgressPanel* progress_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  TrayIcon* tray_ = nullptr;
  std::array<QLabel*, kStatusPanes> statusPanes_{};
  QLabel* changedMarker_ = nullptr;
  QTimer commandLineRunTimer_;
  QTimer scheduleTimer_;
  QTimer immediateTimer_;
  QTimer agentStatusTimer_;
  SelectFilesDialog* selectFiles_ = nullptr;
  bool closeAllowed_ = false;
  bool closeConfirmed_ = false;  // the changed-settings question was answered OK
  bool closePending_ = false;    // closing as soon as the busy run ends
  QTimer closeWaitTimer_;
  bool startupFailed_ = false;  // a folder could not be made: agent polling stays off
  bool textsLoaded_ = false;
};

}  // namespace arkwell::gui
