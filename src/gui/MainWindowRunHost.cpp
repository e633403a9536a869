// The window as run host: details, progress, status panes, the run lock and
// the end of a run report.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/Clock.h"
#include "gui/DetailsPanel.h"
#include "gui/MainWindow.h"
#include "gui/PageControl.h"
#include "gui/pages/ReportsPage.h"
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
  progress_->abortButton()->setEnabled(true);
  QCoreApplication::processEvents();
}

void MainWindow::releaseRun() {
  if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  pages_->setTabsEnabled(true);
  progress_->abortButton()->setEnabled(false);
  pages_->setEnabled(true);
  QCoreApplication::processEvents();
}

void MainWindow::EndReport() {
  lockRun();
  const core::Settings& s = data_.settings;
  report::ReportOptions options;
  options.mail = s.mailSend;
  options.internetAccess = s.internetAccess;
  options.save = s.reportsSave;
  options.folder = s.reportsSaveDir;
  options.removeDays = s.reportsRemoveDays;
  options.mailFailedText = texts_[86];
  const report::FinishedReport finished =
      report::finishReport(report_, options, core::currentDateTime(), sendReportMail);
  reportsPage_->showReport(finished.lines, finished.fileName);
  if (!finished.saveError.isEmpty()) showMessage(core::DialogIcon::Error, finished.saveError);
  releaseRun();
}

}  // namespace arkwell::gui
