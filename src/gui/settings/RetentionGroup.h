#pragma once
// The "Old backups:" group shared by the disk and FTP settings: remove
// backups older than N days, but keep at least M old ones. The owning page
// binds the two spins to its settings.
#include <QGroupBox>

#include "text/TextTable.h"

class QLabel;
class QSpinBox;

namespace arkwell::gui {

class RetentionGroup : public QGroupBox {
  Q_OBJECT
 public:
  // `role` prefixes the object names ("disk" gives "diskRemoveAfterSpin", ...).
  RetentionGroup(const QString& role, const QString& backupsCaption, QWidget* parent = nullptr);

  QSpinBox* removeAfterSpin() const { return removeAfter_; }  // 0 to 1000 days
  QSpinBox* minKeepSpin() const { return minKeep_; }          // 0 to 365 backups

  void applyTexts(const text::TextTable& texts);

 private:
  QSpinBox* removeAfter_;
  QSpinBox* minKeep_;
  QLabel* removeLabel_;
  QLabel* daysLabel_;
  QLabel* minimumLabel_;
  QLabel* oldLabel_;
  QLabel* backupsLabel_;
};

}  // namespace arkwell::gui
