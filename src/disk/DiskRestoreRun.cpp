#include "disk/DiskRestoreRun.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "archive/ArchiveFormat.h"
#include "archive/RestoreTarget.h"
#include "core/Clock.h"
#include "platform/FileAttributes.h"
#include "report/RunReport.h"
#include "text/TextTable.h"

namespace arkwell::disk {

namespace {

using core::DetailField;

enum class ReplaceTest { Free, Refused, Failed };

// Whether an existing target may be replaced: it can be read (a file that
// cannot be opened counts as in use) and renamed away and back. The probe
// name never replaces a file of the user's.
ReplaceTest replaceTest(const QString& target) {
  const QByteArray path = QFile::encodeName(target);
  const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EACCES || errno == EPERM || errno == EBUSY ? ReplaceTest::Refused : ReplaceTest::Failed;
  ::close(fd);
  const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QByteArray probe = folder + "/tester123" + (attempt == 0 ? QByteArray() : "." + QByteArray::number(attempt));
    if (::renameat2(AT_FDCWD, path.constData(), AT_FDCWD, probe.constData(), RENAME_NOREPLACE) == 0) {
      if (::renameat2(AT_FDCWD, probe.constData(), AT_FDCWD, path.constData(), RENAME_NOREPLACE) != 0) {
        std::rename(probe.constData(), path.constData());
      }
      return ReplaceTest::Free;
    }
    if (errno == EEXIST) continue;
    const int error = errno;
    return error == EACCES || error == EPERM || error == EBUSY || error == EROFS || error == ETXTBSY
               ? ReplaceTest::Refused
               : ReplaceTest::Failed;
  }
  return ReplaceTest::Failed;
}

}  // namespace

DiskRestoreRun::DiskRestoreRun(core::RunHost& host, core::ProgramData& data, archive::TBackupFile& backupFile,
                               RunControl& control, DiskBackupRun& backupRun)
    : host_(host), data_(data), engine_(backupFile), control_(control), backupRun_(backupRun) {}

QString DiskRestoreRun::text(int number) const {
  return host_.texts().text(number);
}

void DiskRestoreRun::addLine(const QString& line) {
  host_.report().AddReportLine(line);
}

QString DiskRestoreRun::targetPath(const QString& storedPath, const RestoreChoice& choice) {
  const archive::RestoreTarget target =
      archive::restoreTarget(storedPath.toStdString(),
                             choice.originalPath ? std::string() : choice.folder.toStdString(), choice.keepStructure);
  return QString::fromStdString(target.path);
}

void DiskRestoreRun::begin() {
  attachHandlers();
  finishedEarly_ = false;
  control_.RunFlag = true;
  host_.lockRun();
  host_.setRunBusy(core::RunKind::DiskRestore, true);
}

void DiskRestoreRun::attachHandlers() {
  StelBackupFileIn(engine_, QStringLiteral("DR"));
  engine_.OnProgress = [this](archive::TBackupFile&, const std::string& f, int p, bool& goOn) {
    backupRun_.BackupFile1Progress(f, p, goOn);
  };
  engine_.OnError = [this](archive::TBackupFile&, int e, const std::string& t) { backupRun_.BackupFile1Error(e, t); };
  engine_.OnNeedDisk = [this](archive::TBackupFile&, uint16_t disk, bool& goOn) { BackupFile1NeedDisk(disk, goOn); };
  engine_.OnRestoreFile = [this](archive::TBackupFile&, std::string& f, int32_t, bool& doRestore) {
    BackupFile1RestoreFile(f, doRestore);
  };
  engine_.OnFileRestored = [this](archive::TBackupFile&, std::string& f, int) { BackupFile1FileRestored(f); };
}

std::optional<ArchiveListing> DiskRestoreRun::readListing(const QString& archivePath) {
  std::vector<std::string> lines;
  std::string title;
  try {
    engine_.ReadArchiveInfo(archivePath.toStdString(), &lines, title);
  } catch (const archive::ArchiveError&) {
    return std::nullopt;  // the error handler has shown it
  }
  ArchiveListing listing;
  listing.title = QString::fromStdString(title);
  for (const std::string& line : lines) {
    // Linux names may hold tabs: the shared parser cuts at the last one.
    const auto entry = archive::format::parseFileListLine(line);
    listing.storedPaths << QString::fromStdString(entry ? entry->path : line.substr(0, line.rfind('\t')));
  }
  return listing;
}

void DiskRestoreRun::end() {
  host_.setRunBusy(core::RunKind::DiskRestore, false);
  host_.releaseRun();
}

void DiskRestoreRun::cancel() {
  end();
}

bool DiskRestoreRun::selectionTake(const QString& target) {
  // Exact: Linux names differ by letter case alone.
  const auto found = selection_.find(target);
  if (found == selection_.end()) return false;
  if (--found.value() == 0) selection_.erase(found);
  return true;
}

bool DiskRestoreRun::restore(const QString& archivePath, const QString& titleField, const RestoreChoice& choice) {
  const QDateTime start = core::currentDateTime();
  archivePath_ = archivePath;
  selection_.clear();
  host_.report().StartReport();
  host_.setAbortEnabled(true);
  host_.setDetail(DetailField::Action, QStringLiteral("Restore"));
  host_.setDetail(DetailField::ToFrom, QStringLiteral("Disk"));
  for (DetailField field :
       {DetailField::JobsDone, DetailField::TotalFiles, DetailField::TotalBytes, DetailField::Result}) {
    host_.setDetail(field, QStringLiteral("-"));
  }
  host_.setDetail(DetailField::Time, QStringLiteral("00:00:00"));
  backupRun_.resetFileDetails();
  addLine(text(94) + QLatin1Char(' ') + titleField);
  addLine(text(95) + QLatin1Char(' ') + archivePath);
  addLine(text(96) + QLatin1Char(' ') + choice.methodCaption);
  restored = skipped = failed = 0;

  SelectionState = 0;
  if (choice.chosen > 0) SelectionState = choice.total / 2 >= choice.chosen ? 1 : 2;
  if (choice.chosen > 0 && choice.chosen == choice.total) SelectionState = 3;
  if (SelectionState == 1 || SelectionState == 2) {
    const bool listChecked = SelectionState == 1;
    for (int i = 0; i < choice.files.size(); ++i) {
      if (choice.files[i].checked != listChecked) continue;
      host_.setStatusPane(0, QStringLiteral("Finding file... %1").arg(i));
      ++selection_[targetPath(choice.files[i].storedPath, choice)];
    }
  }
  host_.setDetail(DetailField::TotalFiles, QString::number(choice.chosen));
  host_.setDetail(DetailField::Mode, choice.methodCaption);
  for (DetailField field : {DetailField::CurrentBackup, DetailField::Status, DetailField::CurrentFile}) {
    host_.setDetail(field, QStringLiteral("-"));
  }
  constexpr archive::TRestoreMode kModes[] = {archive::rmAll,   archive::rmExisting,    archive::rmExistingNewer,
                                              archive::rmNewer, archive::rmNoOverwrite, archive::rmAll};
  askEachFile_ = choice.method == kAskEachFile;
  const QString folder = choice.originalPath ? QString() : choice.folder;
  // Set again right before the restore: nothing that ran meanwhile may have
  // left the engine set up for other work.
  attachHandlers();
  engine_.RestoreMode = kModes[std::clamp(choice.method, 0, kAskEachFile)];
  engine_.RestoreFullPath = choice.keepStructure;
  host_.setStatusPane(0, QStringLiteral("Restoring... "));
  host_.setDetail(DetailField::CurrentBackup, QFileInfo(archivePath).fileName());

  bool ok = false;
  try {
    ok = engine_.Restore(archivePath.toStdString(), folder.toStdString());
  } catch (const archive::ArchiveError& e) {
    addLine(QString::fromStdString(e.what()));
  }
  QString outcome;
  QString result;
  if (ok || finishedEarly_) {
    result =
        text(98) + QStringLiteral(", ") + QString::number(restored) + QLatin1Char(' ') + text(99) + QLatin1Char('.');
    outcome = text(97);
  } else {
    result = text(102) + QLatin1Char(' ') + text(101);
    outcome = text(101);
  }
  host_.setDetail(DetailField::CurrentFile, QStringLiteral("-"));
  host_.setDetail(DetailField::Result, result);
  for (const std::string& refused : engine_.RefusedFiles()) {
    addLine(QStringLiteral("Not restored: ") + QString::fromStdString(refused));
  }
  addLine(text(104) + QLatin1Char(' ') + QString::number(choice.total));
  addLine(text(105) + QLatin1Char(' ') + QString::number(choice.chosen));
  addLine(text(106) + QLatin1Char(' ') + QString::number(restored));
  addLine(text(107) + QLatin1Char(' ') + QString::number(skipped));
  addLine(text(108) + QLatin1Char(' ') + QString::number(failed));
  addLine(text(109) + QLatin1Char(' ') + outcome);
  addLine(text(110));
  host_.EndReport();
  host_.setAbortEnabled(false);
  host_.setDetail(DetailField::Time, core::elapsedSince(start));
  selection_.clear();
  end();
  return ok || finishedEarly_;
}

void DiskRestoreRun::BackupFile1RestoreFile(std::string& filename, bool& doRestore) {
  const QString target = QString::fromStdString(filename);
  memoReadOnly_ = false;
  const bool readerDecision = doRestore;
  host_.setDetail(DetailField::CurrentFile, QStringLiteral("Scanning for files..."));
  host_.pumpMessages();
  doRestore = false;
  switch (SelectionState) {
    case 1:
      if (!selection_.isEmpty() && selectionTake(target)) {
        doRestore = true;
        host_.setStatusPane(0, QFileInfo(target).fileName());
      }
      if (selection_.isEmpty() && !doRestore) {
        finishedEarly_ = true;
        engine_.Abort();
        host_.setStatusPane(0, QStringLiteral("Finished"));
      }
      break;
    case 2:
      doRestore = !selectionTake(target);
      if (doRestore) host_.setStatusPane(0, QFileInfo(target).fileName());
      if (selection_.isEmpty()) SelectionState = 3;
      break;
    case 3:
      doRestore = true;
      host_.setStatusPane(0, QFileInfo(target).fileName());
      break;
    default: break;
  }
  if (doRestore) {
    const QFileInfo existing(target);
    const bool exists = existing.exists() || existing.isSymLink();
    if (exists) memoReadOnly_ = platform::isReadOnly(filename);
    if (askEachFile_) {
      const int answer = host_.dialogs().ask(
          core::DialogIcon::Question, text(113) + QStringLiteral(": ") + target + QStringLiteral("\n\r") + text(114),
          core::kButtonYes | core::kButtonNo | core::kButtonCancel);
      host_.pumpMessages();
      if (answer == core::kButtonNo) {
        doRestore = false;
        ++skipped;
      } else if (answer != core::kButtonYes) {
        doRestore = false;
        engine_.Abort();
      }
    }
    if (doRestore && exists) {
      switch (replaceTest(target)) {
        case ReplaceTest::Free: break;
        case ReplaceTest::Refused: doRestore = false; break;
        case ReplaceTest::Failed:
          doRestore = false;
          ++failed;
          addLine(text(115) + QLatin1Char(' ') + target);
          break;
      }
    }
  }
  doRestore = doRestore && readerDecision;
  if (doRestore) {
    if (memoReadOnly_) platform::setReadOnly(filename, false);
    host_.pumpMessages();
    host_.setDetail(DetailField::CurrentFile, QFileInfo(target).fileName());
  }
}

void DiskRestoreRun::BackupFile1FileRestored(const std::string& filename) {
  if (memoReadOnly_) platform::setReadOnly(filename, true);
  host_.pumpMessages();
  ++restored;
}

void DiskRestoreRun::BackupFile1NeedDisk(uint16_t diskId, bool& goOn) {
  const QString volume = QString::fromStdString(archive::format::volumeFileName(archivePath_.toStdString(), diskId));
  if (QFileInfo(volume).isFile()) {
    goOn = true;  // beside the first one: no question
    return;
  }
  // Missing: ask for it, so a restore never waits on it for ever; from the
  // command line there is no one to ask.
  if (host_.commandLineMode()) {
    goOn = false;
    return;
  }
  goOn = host_.dialogs().ask(core::DialogIcon::Question,
                             QStringLiteral("Please insert disk %1 and click OK to continue").arg(diskId) +
                                 QStringLiteral("\n") + volume,
                             core::kButtonOk | core::kButtonCancel) == core::kButtonOk;
}

}  // namespace arkwell::disk
