#pragma once
// The restore-from-disk page: the job list, the archives of the chosen job,
// another archive file, and Start. The restore itself belongs to the disk
// restore; this page lays it out.
#include "gui/pages/Page.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace arkwell::gui {

class DiskRestorePage : public Page {
  Q_OBJECT
 public:
  explicit DiskRestorePage(QWidget* parent = nullptr);
  void applyTexts(const text::TextTable& texts) override;

  QListWidget* jobList() const { return jobs_; }
  QListWidget* archiveList() const { return archives_; }
  QPushButton* otherFileButton() const { return otherFile_; }
  QPushButton* startButton() const { return start_; }
  QLabel* fileNameValue() const { return fileNameValue_; }
  QLabel* titleValue() const { return titleValue_; }

 private:
  QLabel* step1_;
  QLabel* step2_;
  QLabel* step3_;
  QLabel* restoring_;
  QLabel* fileName_;
  QLabel* title_;
  QLabel* fileNameValue_;
  QLabel* titleValue_;
  QListWidget* jobs_;
  QListWidget* archives_;
  QPushButton* otherFile_;
  QPushButton* start_;
};

}  // namespace arkwell::gui
