#pragma once
// The restore-from-FTP page: servers, the job's backups on the server, the
// dated sets, the files, and Connect. The work belongs to the FTP restore.
#include "gui/pages/Page.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace arkwell::gui {

class FtpRestorePage : public Page {
  Q_OBJECT
 public:
  explicit FtpRestorePage(QWidget* parent = nullptr);
  void applyTexts(const text::TextTable& texts) override;

  QListWidget* serverList() const { return servers_; }
  QListWidget* backupList() const { return backups_; }
  QListWidget* dateList() const { return dates_; }
  QListWidget* fileList() const { return files_; }
  QPushButton* connectButton() const { return connect_; }
  QPushButton* startButton() const { return start_; }

 private:
  QLabel* step1_;
  QLabel* step2_;
  QLabel* step3_;
  QLabel* step4_;
  QLabel* filesLabel_;
  QListWidget* servers_;
  QListWidget* backups_;
  QListWidget* dates_;
  QListWidget* files_;
  QPushButton* connect_;
  QPushButton* start_;
};

}  // namespace arkwell::gui
