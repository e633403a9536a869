#include "gui/settings/RetentionGroup.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "gui/settings/Controls.h"

namespace arkwell::gui {

RetentionGroup::RetentionGroup(const QString& role, const QString& backupsCaption, QWidget* parent)
    : QGroupBox(QStringLiteral("Old backups:"), parent),
      removeAfter_(new QSpinBox(this)),
      minKeep_(new QSpinBox(this)),
      removeLabel_(
          makeLabel(QStringLiteral("Remove backups older then"), role + QStringLiteral("RemoveAfterLabel"), this)),
      daysLabel_(makeLabel(QStringLiteral("day(s)"), role + QStringLiteral("RemoveAfterDaysLabel"), this)),
      minimumLabel_(makeLabel(QStringLiteral("Leave at minimum"), role + QStringLiteral("MinKeepLabel"), this)),
      oldLabel_(makeLabel(QStringLiteral("old"), role + QStringLiteral("MinKeepOldLabel"), this)),
      backupsLabel_(makeLabel(backupsCaption, role + QStringLiteral("MinKeepBackupsLabel"), this)) {
  setObjectName(role + QStringLiteral("RetentionGroup"));
  removeAfter_->setObjectName(role + QStringLiteral("RemoveAfterSpin"));
  removeAfter_->setRange(0, 1000);
  minKeep_->setObjectName(role + QStringLiteral("MinKeepSpin"));
  minKeep_->setRange(0, 365);
  removeLabel_->setBuddy(removeAfter_);
  minimumLabel_->setBuddy(minKeep_);

  auto* layout = new QGridLayout(this);
  layout->addWidget(removeLabel_, 0, 0);
  layout->addWidget(removeAfter_, 0, 1);
  layout->addWidget(daysLabel_, 0, 2, 1, 2);
  layout->addWidget(minimumLabel_, 1, 0);
  layout->addWidget(minKeep_, 1, 1);
  layout->addWidget(oldLabel_, 1, 2);
  layout->addWidget(backupsLabel_, 1, 3);
  layout->setColumnStretch(4, 1);
}

void RetentionGroup::applyTexts(const text::TextTable& texts) {
  setTitle(texts[38]);
  removeLabel_->setText(texts[44]);
  daysLabel_->setText(texts[45]);
  minimumLabel_->setText(texts[46]);
  oldLabel_->setText(texts[47]);
  backupsLabel_->setText(texts[48]);
  removeAfter_->setToolTip(texts[178]);
  minKeep_->setToolTip(texts[179]);
}

}  // namespace arkwell::gui
