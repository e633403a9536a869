#include "disk/DiskBackupRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "core/Clock.h"
#include "core/CoreError.h"
#include "core/FolderRoutines.h"
#include "core/JobTableLayouts.h"
#include "core/PathJoin.h"
#include "core/RunAndWait.h"
#include "disk/DiskJobRules.h"
#include "disk/Retention.h"
#include "report/RunReport.h"
#include "text/TextTable.h"

namespace arkwell::disk {

namespace {

using core::DetailField;
namespace col = core::disk_column;

constexpr int kShowMinimised = 2;
constexpr int kStepsPerJob = 3;
const QString kLineBreak = QStringLiteral("\n\r");

QString kilobytes(int64_t bytes) {
  return QString::number(bytes / 1024);
}

}  // namespace

DiskBackupRun::DiskBackupRun(core::RunHost& host, core::ProgramData& data, archive::TBackupFile& backupFile,
                             RunControl& control)
    : host_(host), data_(data), engine_(backupFile), control_(control) {}

QString DiskBackupRun::text(int number) const {
  return host_.texts().text(number);
}

void DiskBackupRun::addLine(const QString& line) {
  host_.report().AddReportLine(line);
}

QString DiskBackupRun::elapsed() const {
  return core::elapsedSince(start_);
}

void DiskBackupRun::runWithReport(bool full) {
  for (core::RunKind kind : {core::RunKind::ImmediateRun, core::RunKind::DiskRun, core::RunKind::DiskRestore}) {
    if (host_.runBusy(kind)) return;
  }
  host_.SaveAllSettings();
  host_.report().StartReport();
  addRunHeading(full);
  StartDiskBackup();
  host_.EndReport();
}

void DiskBackupRun::addRunHeading(bool full) {
  engine_.SetBackupMode(full ? archive::bmAll : archive::bmIncremental);
  const QDateTime now = core::currentDateTime();
  addLine(text(72) + QLatin1Char(' ') + QLocale().toString(now, QStringLiteral("dddd  dd-MM-yyyy HH:mm")));
  addLine(text(engine_.BackupMode() == archive::bmIncremental ? 77 : 76));
  host_.setDetail(DetailField::Action, text(full ? 257 : 258));
}

void DiskBackupRun::resetFileDetails() {
  fileNumber_ = 0;
  lastListed_.clear();
}

void DiskBackupRun::StartDiskBackup() {
  // Never inside another disk run or a restore (a timer firing while events are pumped).
  if (host_.runBusy(core::RunKind::DiskRun) || host_.runBusy(core::RunKind::DiskRestore)) return;
  archive::TBackupFile::ExcludeList.clear();
  for (const QString& fragment : data_.ignoreList.pathFragments()) {
    archive::TBackupFile::ExcludeList.push_back(fragment.toStdString());
  }
  start_ = core::currentDateTime();
  host_.setDetail(DetailField::ToFrom, QStringLiteral("Disk"));
  host_.setDetail(DetailField::Time, QStringLiteral("00:00:00"));
  for (DetailField field : {DetailField::Result, DetailField::JobsDone, DetailField::TotalFiles,
                            DetailField::TotalBytes, DetailField::Mode, DetailField::CurrentFile}) {
    host_.setDetail(field, QStringLiteral("-"));
  }
  StelBackupFileIn(engine_, QStringLiteral("DB"));
  engine_.OnProgress = [this](archive::TBackupFile&, const std::string& f, int p, bool& goOn) {
    BackupFile1Progress(f, p, goOn);
  };
  engine_.OnCounter = [this](archive::TBackupFile&, int64_t d, int64_t f, const std::string& dir) {
    BackupFile1Counter(d, f, dir);
  };
  engine_.OnNeedDisk = [this](archive::TBackupFile&, uint16_t disk, bool& goOn) { BackupFile1NeedDisk(disk, goOn); };
  engine_.OnError = [this](archive::TBackupFile&, int e, const std::string& t) { BackupFile1Error(e, t); };
  host_.setProgress(-1, 0);

  core::Table& jobs = data_.diskJobs;
  const auto duplicates = duplicateDestinations(jobs);
  if (!duplicates.isEmpty()) {
    for (const auto& [d, f] : duplicates) {
      const QString message = text(73) + kLineBreak + text(74) + kLineBreak + jobs.cell(d, col::Destination) +
                              kLineBreak + jobs.cell(f, col::Destination);
      host_.showMessage(core::DialogIcon::Warning, message);
      // Also in the report: a refused command-line run must not look like an empty success.
      addLine(QString(message).replace(kLineBreak, QStringLiteral(" ")));
    }
    return;
  }

  const bool full = engine_.BackupMode() == archive::bmAll;
  host_.startRunAnimation(QStringLiteral("Arkwell Backup ") + text(62));
  host_.setRunBusy(core::RunKind::DiskRun, true);
  host_.setAbortEnabled(true);
  int64_t fileTotal = 0;
  int64_t sizeTotalKb = 0;
  int jobsDone = 0;
  control_.RunFlag = true;
  const QString stamp = QLocale().toString(start_, QStringLiteral("dd MMM yyyy HH:mm"));
  host_.lockRun();

  if (full && !data_.settings.runBefore.trimmed().isEmpty()) {
    runCommand(QStringLiteral("Run before"), data_.settings.runBefore.trimmed(),
               start_.toString(QStringLiteral("yyyyMMddHHmmss")));
  }
  const QString archiveName = archiveFileName(start_, !full);
  const int activeJobs = activeRowCount(jobs);
  const int steps = std::max(1, kStepsPerJob * activeJobs);
  int stepsDone = 0;
  auto step = [&] { host_.setProgress(++stepsDone * 100 / steps, -1); };
  host_.setProgress(0, -1);

  for (int row = 1; row < jobs.rowCount() && control_.RunFlag; ++row) {
    if (rowRuns(jobs, row)) {
      const QString name = jobs.cell(row, col::Name);
      const QString source = jobs.cell(row, col::Source);
      const QString destination = jobs.cell(row, col::Destination);
      host_.setDetail(DetailField::JobsDone, QStringLiteral("%1/%2").arg(jobsDone).arg(activeJobs));
      host_.setDetail(DetailField::CurrentBackup, name);
      step();
      addLine(QString());
      addLine(text(78) + QLatin1Char(' ') + name);
      const QString sourceFolder = source.trimmed();
      core::WaitForDirectory(sourceFolder);
      if (!QFileInfo(sourceFolder).isDir()) {
        addLine(text(212) + QLatin1Char(' ') + sourceFolder);
      } else {
        if (isFloppyDestination(destination)) {
          engine_.MaxSize = kFloppyVolumeSize;
          host_.showMessage(core::DialogIcon::Information,
                            QStringLiteral("Insert empty formatted floppy (001) in drive"));
        } else {
          engine_.MaxSize = kDiskVolumeSize;
        }
        host_.setDetail(DetailField::Status, text(132) + QLatin1Char(' ') + name + QStringLiteral("..."));
        engine_.BackupTitle = name.toStdString();
        archive::TBackupFile::SkippedFiles.clear();
        MaakBackup(source, core::joinPath(destination, archiveName), jobs.cell(row, col::SubDirs) == QLatin1String("Y"),
                   jobs.cell(row, col::Mask));
        if (control_.RunFlag) {
          ++jobsDone;
          if (!archive::TBackupFile::SkippedFiles.empty()) {
            addLine(text(79));
            for (const std::string& skipped : archive::TBackupFile::SkippedFiles) {
              addLine(QStringLiteral("-  ") + QString::fromStdString(skipped));
            }
          }
        }
        step();
        if (control_.RunFlag) jobs.setCell(row, col::Last, stamp);
        sizeTotalKb += jobBytes_ / 1024;
        addLine(text(80) + QLatin1Char(' ') + QString::number(jobFiles_) + QStringLiteral(",  ca. ") +
                kilobytes(jobBytes_) + QStringLiteral(" kB"));
        fileTotal += jobFiles_;
        host_.setDetail(DetailField::Status, text(277));
        const int deleted = control_.RunFlag ? DeleteOldBackups(destination, core::currentDateTime().date(),
                                                                data_.settings.diskMaxDays, data_.settings.diskMinKeep)
                                             : 0;
        step();
        addLine(text(81) + QLatin1Char(' ') + QString::number(deleted));
      }
    }
    host_.setDetail(DetailField::JobsDone, QStringLiteral("%1/%2").arg(jobsDone).arg(activeJobs));
    host_.setDetail(DetailField::TotalFiles, QString::number(fileTotal));
    host_.setDetail(DetailField::TotalBytes, QString::number(sizeTotalKb) + QStringLiteral(" kB"));
  }
  host_.diskArchivesChanged();

  if (full && !data_.settings.runAfter.trimmed().isEmpty()) {
    runCommand(QStringLiteral("Run after"), data_.settings.runAfter.trimmed(), QString());
  }
  host_.setDetail(DetailField::Status, text(350));
  addLine(QString());
  addLine(QStringLiteral("Totals:"));
  const QString result = control_.RunFlag ? text(82) + QStringLiteral(", ") + QString::number(fileTotal) +
                                                QLatin1Char(' ') + text(83) + QStringLiteral(", ca. ") +
                                                QString::number(static_cast<double>(sizeTotalKb) / 1024.0, 'f', 1) +
                                                QStringLiteral(" MB.")
                                          : text(82) + QStringLiteral(", ") + text(84);
  host_.setDetail(DetailField::Result, result);
  addLine(result);
  addLine(QString());
  addLine(text(85) + QLatin1Char(' ') + core::currentDateTime().toString(QStringLiteral("dd-MM-yyyy HH:mm")));
  addLine(QString(37, QLatin1Char('-')));
  addLine(QStringLiteral(" "));
  host_.setDetail(DetailField::Time, elapsed());
  host_.setRunBusy(core::RunKind::DiskRun, false);
  host_.stopRunAnimation();
  host_.releaseRun();
}

void DiskBackupRun::runCommand(const QString& label, const QString& command, const QString& arguments) {
  try {
    const int exitCode = core::RunAndWait(command, arguments, kShowMinimised);
    addLine(label + QStringLiteral(", exitcode=") + QString::number(exitCode));
  } catch (const core::CoreError& e) {
    addLine(label + QStringLiteral(", exitcode=-1"));
    addLine(e.message());
  }
}

bool DiskBackupRun::MaakBackup(const QString& source, const QString& archivePath, bool subFolders,
                               const QString& mask) {
  const QString masks = mask.trimmed().isEmpty() ? QStringLiteral("*.*") : mask.trimmed();
  const QString line = core::joinPath(source, masks) + (subFolders ? QStringLiteral(" /s") : QString());
  resetFileDetails();
  jobFiles_ = jobBytes_ = 0;
  const QString folder = QFileInfo(archivePath).absolutePath();
  if (!QDir().mkpath(folder)) {
    const QString message = text(66) + QStringLiteral(": ") + folder;
    host_.showMessage(core::DialogIcon::Error, message);
    addLine(message);
    control_.RunFlag = false;
    host_.setAbortEnabled(false);
    return false;
  }
  // A run earlier in the same minute left an archive of this name: keep it
  // aside until the new one is complete.
  const QString earlier = archivePath + QStringLiteral(".earlier");
  const bool keptEarlier = QFile::exists(archivePath) && !QFile::exists(earlier) && QFile::rename(archivePath, earlier);
  bool ok = false;
  try {
    ok = engine_.Backup({line.toStdString()}, archivePath.toStdString());
  } catch (const archive::ArchiveError& e) {
    addLine(QString::fromStdString(e.what()));
  }
  jobFiles_ = engine_.FilesDone();
  jobBytes_ = engine_.TotalBytes();
  const bool nothingStored = jobFiles_ == 0;
  if (nothingStored) addLine(text(259));
  if (!ok) addLine(text(67));
  if (nothingStored || !ok) deleteArchive(archivePath);
  if (keptEarlier) {
    if (ok && !nothingStored) {
      QFile::remove(earlier);
    } else {
      QFile::rename(earlier, archivePath);
    }
  }
  return ok;
}

void DiskBackupRun::deleteArchive(const QString& archivePath) {
  // Only the first volume: later volumes share their names with the other
  // kind of archive of the same minute (.KBU and .KBI), so they may not be ours.
  QFile::remove(archivePath);
}

void DiskBackupRun::abort() {
  control_.RunFlag = false;
  engine_.Abort();
  host_.setDetail(DetailField::Status, QStringLiteral("Aborting..."));
  host_.pumpMessages();
}

void DiskBackupRun::BackupFile1Progress(const std::string& filename, int percent, bool& goOn) {
  const QString path = QString::fromStdString(filename);
  const QString name = QFileInfo(path).fileName().trimmed();
  const bool fileIdList = name.startsWith(QLatin1String("FID")) && name.endsWith(QLatin1String("tmp"));
  if (!name.isEmpty() && !fileIdList) {
    host_.setDetail(DetailField::CurrentFile, name);
    host_.pumpMessages();
    if (data_.settings.reportsFileDetails && path != lastListed_) {
      addLine(report::fileDetailLine(++fileNumber_, path));
      lastListed_ = path;
    }
  }
  goOn = control_.RunFlag;
  if (!control_.RunFlag) engine_.Abort();
  host_.setProgress(-1, percent);
  host_.setDetail(DetailField::Time, elapsed());
  host_.pumpMessages();
}

void DiskBackupRun::BackupFile1Counter(int64_t dirCount, int64_t fileCount, const std::string& dir) {
  host_.setDetail(DetailField::Time, elapsed());
  const QString files = QStringLiteral("File # ") + QString::number(fileCount);
  if (dir == "-2") {
    host_.setDetail(DetailField::Status, QStringLiteral("Compressing..."));
    host_.setStatusPane(0, files);
  } else if (dir == "-3") {
    host_.setDetail(DetailField::Status, QStringLiteral("Set flag..."));
    host_.setStatusPane(0, files);
  } else if (dir == "-1") {
    host_.setDetail(DetailField::Status, QStringLiteral("Parsing list..."));
    host_.setStatusPane(0, files);
  } else {
    host_.setStatusPane(0, QStringLiteral("Dirs: %1, files: %2").arg(dirCount).arg(fileCount));
    host_.setDetail(DetailField::Status, QStringLiteral("Scanning files..."));
    host_.setDetail(DetailField::CurrentFile, QString::fromStdString(dir));
  }
  host_.pumpMessages();
}

void DiskBackupRun::BackupFile1NeedDisk(uint16_t diskId, bool& goOn) {
  if (engine_.MaxSize != kFloppyVolumeSize) {
    goOn = true;
    return;
  }
  goOn = host_.dialogs().ask(core::DialogIcon::Question,
                             QStringLiteral("Please insert disk %1 and click OK to continue").arg(diskId),
                             core::kButtonOk | core::kButtonCancel) == core::kButtonOk;
}

void DiskBackupRun::BackupFile1Error(int error, const std::string& errorText) {
  const std::string& detailed = engine_.ErrorMessage();
  const QString line = text(118) + QLatin1Char(' ') + QString::number(error) + QStringLiteral(": ") +
                       QString::fromStdString(detailed.empty() ? errorText : detailed);
  host_.showMessage(core::DialogIcon::Error, line);
  addLine(line);
}

}  // namespace arkwell::disk
