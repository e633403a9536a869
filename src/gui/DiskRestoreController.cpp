#include "gui/DiskRestoreController.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/JobTableLayouts.h"
#include "core/PathJoin.h"
#include "disk/DiskJobRules.h"
#include "gui/SelectFilesDialog.h"
#include "gui/pages/DiskRestorePage.h"
#include "platform/FileMask.h"
#include "text/TextTable.h"

namespace arkwell::gui {

namespace col = core::disk_column;

DiskRestoreController::DiskRestoreController(DiskRestorePage& page, SelectFilesDialog& dialog, core::ProgramData& data,
                                             core::RunHost& host, disk::DiskRestoreRun& run, QObject* parent)
    : QObject(parent), page_(page), dialog_(dialog), data_(data), host_(host), run_(run) {
  showDialog = [](SelectFilesDialog& d) { return d.exec() == QDialog::Accepted; };
  // The current row, so the keyboard chooses as well as the mouse.
  connect(page_.jobList(), &QListWidget::currentRowChanged, this, &DiskRestoreController::jobChosen);
  connect(page_.archiveList(), &QListWidget::currentRowChanged, this, [this] { archiveChosen(); });
  connect(page_.otherFileButton(), &QPushButton::clicked, this, &DiskRestoreController::otherFile);
  connect(page_.startButton(), &QPushButton::clicked, this, &DiskRestoreController::start);
  page_.startButton()->setEnabled(false);
}

void DiskRestoreController::pageShown() {
  const QSignalBlocker blockJobs(page_.jobList());
  const QSignalBlocker blockArchives(page_.archiveList());
  page_.startButton()->setEnabled(false);
  page_.jobList()->clear();
  page_.archiveList()->clear();
  page_.fileNameValue()->setText(QString());
  page_.fileNameValue()->setToolTip(QString());
  page_.titleValue()->setText(QString());
  jobRow_ = 0;
  for (int row = 1; row < data_.diskJobs.rowCount(); ++row)
    page_.jobList()->addItem(data_.diskJobs.cell(row, col::Name));
}

void DiskRestoreController::jobChosen(int index) {
  if (index < 0 || index + 1 >= data_.diskJobs.rowCount()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  page_.startButton()->setEnabled(false);
  jobRow_ = index + 1;
  const QString destination = data_.diskJobs.cell(jobRow_, col::Destination);
  if (disk::isFloppyDestination(destination)) {
    host_.showMessage(core::DialogIcon::Information, QStringLiteral("Insert disk 1\n\r") +
                                                         data_.diskJobs.cell(jobRow_, col::Last) +
                                                         QStringLiteral("\n\rin drive."));
  }
  showArchives(false);
  page_.fileNameValue()->setText(QString());
  page_.titleValue()->setText(QString());
  QApplication::restoreOverrideCursor();
}

void DiskRestoreController::refreshArchives() {
  // After a run: quietly, and only for the page the user sees.
  if (page_.isVisible()) showArchives(true);
}

void DiskRestoreController::showArchives(bool quiet) {
  const QSignalBlocker block(page_.archiveList());
  page_.archiveList()->clear();
  if (jobRow_ < 1 || jobRow_ >= data_.diskJobs.rowCount()) return;
  const QString destination = data_.diskJobs.cell(jobRow_, col::Destination);
  if (!QFileInfo(destination).isDir()) {
    page_.archiveList()->setVisible(false);
    if (!quiet) {
      host_.showMessage(core::DialogIcon::Warning,
                        QStringLiteral("Disk not available or directory does not exist:\n\r") +
                            core::joinPath(destination, QString()));
    }
    return;
  }
  QStringList names;
  for (const QString& name : QDir(destination).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
    if (platform::matchesMask(name.toStdString(), "*.KBU;*.KBI")) names << name;
  }
  page_.archiveList()->addItems(names);
  page_.archiveList()->setVisible(true);
}

void DiskRestoreController::archiveChosen() {
  QListWidgetItem* item = page_.archiveList()->currentItem();
  if (!item || jobRow_ < 1) return;
  const QString path = core::joinPath(data_.diskJobs.cell(jobRow_, col::Destination), item->text());
  page_.startButton()->setEnabled(true);
  page_.fileNameValue()->setText(path);
  page_.fileNameValue()->setToolTip(path);
  const bool incremental = path.endsWith(QLatin1Char('I'), Qt::CaseInsensitive);
  page_.titleValue()->setText(data_.diskJobs.cell(jobRow_, col::Name) + QStringLiteral(" (") +
                              host_.texts().text(incremental ? 88 : 89) + QLatin1Char(')'));
}

void DiskRestoreController::otherFile() {
  QString file;
  if (!host_.dialogs().chooseFile(true, QString(), QString(), file, QStringLiteral("Select file"), QString())) return;
  page_.fileNameValue()->setText(file);
  page_.fileNameValue()->setToolTip(file);
  page_.titleValue()->setText(QString());
  page_.startButton()->setEnabled(true);
}

void DiskRestoreController::start() {
  if (host_.runBusy(core::RunKind::ImmediateRun)) return;
  host_.SaveAllSettings();
  page_.startButton()->setEnabled(false);
  const QString archivePath = page_.fileNameValue()->text();
  run_.begin();
  if (const std::optional<disk::RestoreChoice> choice = chooseFiles(archivePath)) {
    run_.restore(archivePath, page_.titleValue()->text(), *choice);
  } else {
    page_.startButton()->setEnabled(true);
    run_.cancel();
  }
}

std::optional<disk::RestoreChoice> DiskRestoreController::chooseFiles(const QString& archivePath) {
  dialog_.clearTree();
  const std::optional<disk::ArchiveListing> listing = run_.readListing(archivePath);
  if (!listing) return std::nullopt;
  if (!listing->title.isEmpty()) {
    int number = 0;
    for (const QString& path : listing->storedPaths) {
      dialog_.VulTree(path);
      host_.setStatusPane(0, QStringLiteral("reading files: %1").arg(++number));
      host_.pumpMessages();
    }
  }
  dialog_.checkAll(true);
  // Abort while the list was read: nothing to choose from.
  if (run_.aborted()) return std::nullopt;
  if (listing->storedPaths.isEmpty()) {
    host_.showMessage(core::DialogIcon::Information, host_.texts().text(91));
    return std::nullopt;
  }
  dialog_.prepareToShow(host_.texts(), listing->title);
  if (!showDialog(dialog_)) return std::nullopt;
  disk::RestoreChoice choice;
  for (const SelectFilesDialog::FileChoice& file : dialog_.files()) {
    choice.files.append({file.storedPath, file.checked});
  }
  choice.total = dialog_.totalFiles();
  choice.chosen = dialog_.checkedFiles();
  choice.method = dialog_.restoreMethod();
  choice.methodCaption = dialog_.restoreMethodCaption();
  choice.originalPath = dialog_.originalPath();
  choice.keepStructure = dialog_.keepStructure();
  choice.folder = dialog_.chosenFolder();
  return choice;
}

}  // namespace arkwell::gui
