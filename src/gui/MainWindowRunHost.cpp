// The window as run host: details, progress, status panes, the run lock and
// the end of a run report.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/Clock.h"
#include "core/CoreError.h"
#include "core/RunAndWait.h"
#include "gui/DetailsPanel.h"
#include "gui/MainWindow.h"
#include "gui/PageControl.h"
#include "gui/TrayIcon.h"
#include "gui/pages/JobTablePage.h"
#include "gui/pages/ReportsPage.h"
#include "gui/pages/SettingsPage.h"
#include "gui/settings/DiskSettingsPage.h"
#include "report/ReportFinisher.h"

namespace arkwell::gui {

void MainWindow::setDetail(core::DetailField field, const QString& value) {
  if (field == core::DetailField::Result) {
    progress_->setResult(value);
  } else {
    details_->setValue(field, value);
  }
}

void MainWindow::setProgress(int overallPercent, int detailPercent) {
  if (overallPercent >= 0) progress_->overallProgress()->setValue(std::min(overallPercent, 100));
  if (detailPercent >= 0) details_->jobProgress()->setValue(std::min(detailPercent, 100));
}

void MainWindow::setStatusPane(int pane, const QString& text) {
  if (pane >= 0 && pane < kStatusPanes) statusPanes_[pane]->setText(text);
}

void MainWindow::pumpMessages() {
  QCoreApplication::processEvents();
}

void MainWindow::lockRun() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  pages_->setTabsEnabled(false);
  pages_->setEnabled(false);
  setAbortEnabled(true);
  QCoreApplication::processEvents();
}

void MainWindow::releaseRun() {
  if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  pages_->setTabsEnabled(true);
  setAbortEnabled(false);
  pages_->setEnabled(true);
  QCoreApplication::processEvents();
}

void MainWindow::setAbortEnabled(bool enabled) {
  progress_->abortButton()->setEnabled(enabled);
}

namespace {

// The flag of a kind of run, writable or not as the flags are.
template <typename Flags>
auto& busyFlag(Flags& busy, core::RunKind kind) {
  switch (kind) {
    case core::RunKind::DiskRun: return busy.diskRun;
    case core::RunKind::DiskRestore: return busy.diskRestore;
    case core::RunKind::FtpRun: return busy.ftpRun;
    case core::RunKind::FtpListing: return busy.ftpListing;
    case core::RunKind::ImmediateRun: break;
  }
  return busy.immediateRun;
}

}  // namespace

void MainWindow::setRunBusy(core::RunKind kind, bool isBusy) {
  busyFlag(busy, kind) = isBusy;
  // A close that waited for this run goes on once the run has returned.
  if (closePending_ && !busy.any()) QTimer::singleShot(0, this, [this] { close(); });
}

bool MainWindow::runBusy(core::RunKind kind) const {
  return busyFlag(busy, kind);
}

void MainWindow::startRunAnimation(const QString& hint) {
  tray_->startAnimation(hint);
}

void MainWindow::stopRunAnimation() {
  tray_->stopAnimation();
}

void MainWindow::diskArchivesChanged() {
  emit diskArchivesUpdated();
}

void MainWindow::startDiskBackup(bool full) {
  diskRun_.runWithReport(full);
  diskPage_->model()->reload();
}

void MainWindow::runCommandLineBatch() {
  // Not in the middle of another run: try again when the timer comes round.
  if (busy.any()) {
    commandLineRunTimer_.start();
    return;
  }
  runner_.Timer1Timer(requests, AutoRun, Closing);
  diskPage_->model()->reload();
}

void MainWindow::testCommand(bool before) {
  DiskSettingsPage* page = settingsPage_->diskPage();
  QLabel* running = before ? page->runBeforeRunningLabel() : page->runAfterRunningLabel();
  const QString command = (before ? data_.settings.runBefore : data_.settings.runAfter).trimmed();
  running->show();
  if (before) QApplication::setOverrideCursor(Qt::WaitCursor);
  int exitCode = -1;
  QString reason;
  try {
    // Shown normally when testing the command before, hidden for the one after.
    exitCode =
        core::RunAndWait(command, core::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss")), before ? 1 : 0);
  } catch (const core::CoreError& e) {
    reason = QLatin1Char('\n') + e.message();
  }
  if (before) QApplication::restoreOverrideCursor();
  showMessage(core::DialogIcon::Information, QStringLiteral("Exitcode = %1").arg(exitCode) + reason);
  running->hide();
}

void MainWindow::abortRuns() {
  diskRun_.abort();
}

void MainWindow::EndReport() {
  if (!report_.isOpen()) return;
  lockRun();
  struct Release {
    MainWindow* window;
    ~Release() { window->releaseRun(); }
  } release{this};
  const report::FinishedReport finished = report::finishReport(
      report_, report::reportOptions(data_.settings, texts_[86]), core::currentDateTime(), sendReportMail);
  reportsPage_->showReport(finished.lines, finished.fileName);
  if (!finished.saveError.isEmpty()) showMessage(core::DialogIcon::Error, finished.saveError);
}

}  // namespace arkwell::gui
