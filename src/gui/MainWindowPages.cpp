// Page changes and their guards, help topics, and the toolbar commands that
// the window handles itself.
#include <QAction>

#include "core/SystemInfo.h"
#include "gui/DetailsPanel.h"
#include "gui/DiskJobsController.h"
#include "gui/DiskRestoreController.h"
#include "gui/MainWindow.h"
#include "gui/PageControl.h"
#include "gui/SplashDialog.h"
#include "gui/pages/SettingsPage.h"

namespace arkwell::gui {

namespace {

const QString kDisconnectFirst = QStringLiteral("Please first disconnect from FTP-server.");
const QString kDisconnectBeforeContinuing = QStringLiteral("Please disconnect before continuing");

// Help topic number of each page; 0 leaves the topic as it is.
constexpr int kPageTopics[] = {10, 11, 13, 14, 19, 20, 1, 0, 4};
// Of each settings sub-page, in SettingsPage::SubPage order.
constexpr int kSubPageTopics[SettingsPage::kSubPageCount] = {5, 5, 6, 7, 8, 9, 21, 22, 23};

}  // namespace

bool MainWindow::ftpStillConnected(const QString& message) {
  if (!ftpConnected || !ftpConnected()) return false;
  showMessage(core::DialogIcon::Information, message);
  return true;
}

bool MainWindow::allowPageChange(int from, int /*to*/) {
  if (busy.any() || ftpStillConnected(kDisconnectFirst)) return false;
  if (from == kSettingsPage) SaveAllSettings();
  return true;
}

void MainWindow::pageChanged(int /*from*/, int to) {
  if (to >= 0 && to <= kSettingsPage && kPageTopics[to] != 0) setHelpTopic(kPageTopics[to]);
  progress_->setVisible(to >= kDiskBackupPage && to <= kFtpRestorePage);
  if (to == kDiskBackupPage && diskJobs_) diskJobs_->SetButtons();
  if (to == kDiskRestorePage && diskRestore_) diskRestore_->pageShown();
}

bool MainWindow::allowSubPageChange(int /*from*/, int /*to*/) {
  return !busy.any() && !ftpStillConnected(kDisconnectBeforeContinuing);
}

void MainWindow::subPageChanged(int index) {
  if (index >= 0 && index < SettingsPage::kSubPageCount) setHelpTopic(kSubPageTopics[index]);
}

void MainWindow::setHelpTopic(int number) {
  CurrentHelpTopic = texts_.helpTopic(number);
}

void MainWindow::openHelp(bool changeFile) {
  emit helpRequested(texts_.HelpFilePath, CurrentHelpTopic, changeFile);
}

void MainWindow::actOptions() {
  if (!ftpStillConnected(kDisconnectFirst)) pages_->setCurrentPage(kSettingsPage);
}

void MainWindow::actShowDetails() {
  details_->setVisible(!details_->isVisible());
  data_.settings.detailsVisible = details_->isVisible();
}

void MainWindow::actUpdate() {
  if (ftpStillConnected(kDisconnectFirst)) return;
  const core::Settings& s = data_.settings;
  if (s.internetAccess == 0) {
    showMessage(core::DialogIcon::Information, texts_[278]);
    return;
  }
  if (s.internetAccess == 2) {
    emit updateRequested(s.proxyServer, s.proxyUserId, s.proxyPassword);
  } else {
    emit updateRequested({}, {}, {});
  }
}

void MainWindow::ActShowInfo() {
  SplashDialog info(SplashDialog::Use::Information, this);
  info.exec();
}

}  // namespace arkwell::gui
