// Closing: the close query (confirmation, the wait for a busy run, the last
// immediate backup), the close handler (settings saved), the tray.
#include <QApplication>
#include <QCloseEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>

#include "gui/MainWindow.h"
#include "gui/TrayIcon.h"

namespace arkwell::gui {

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closeAllowed_ && !closeQuery()) {
    if (!closePending_) Closing = startupFailed_;
    event->ignore();
    return;
  }
  closeAllowed_ = true;
  closeHandler();
  event->accept();
}

bool MainWindow::closeQuery() {
  if (!closeConfirmed_) {
    if (SettingsChanged &&
        dialogs_.ask(core::DialogIcon::Question,
                     QStringLiteral("Instellingen gewijzigd. Service is nog NIET herstart. Doorgaan?"),
                     core::kButtonOk | core::kButtonCancel) != core::kButtonOk) {
      return false;
    }
    closeConfirmed_ = true;
  }
  if (!AgentInstalled && busy.any()) {
    // A run is pumping events right now, so waiting here would hold it up:
    // the close comes back when the run has ended, and a run still going
    // after the wait is stopped at its next block.
    closePending_ = true;
    if (!closeWaitTimer_.isActive()) closeWaitTimer_.start();
    return false;
  }
  closeWaitTimer_.stop();
  if (!AgentInstalled && finalImmediateBackup) finalImmediateBackup();
  return true;
}

void MainWindow::closeByCommand() {
  Closing = true;
  close();
}

void MainWindow::closeHandler() {
  for (QTimer* timer : {&commandLineRunTimer_, &scheduleTimer_, &immediateTimer_, &agentStatusTimer_}) timer->stop();
  if (shown) SaveAllSettings();
  if (tray_) tray_->setVisible(false);
  emit closed();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Hidden to the tray only where there is a tray to bring it back from.
  if (event->type() == QEvent::WindowStateChange && isMinimized() && QSystemTrayIcon::isSystemTrayAvailable()) {
    QTimer::singleShot(0, this, &QWidget::hide);
  }
}

void MainWindow::bringToFront() {
  showNormal();
  raise();
  activateWindow();
}

void MainWindow::showMessage(core::DialogIcon icon, const QString& text) {
  // Runs from the command line show no message boxes; the text still goes somewhere.
  if (CommandLineMode) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return;
  }
  dialogs_.show(icon, text);
}

}  // namespace arkwell::gui
