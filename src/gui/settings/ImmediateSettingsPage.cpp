#include "gui/settings/ImmediateSettingsPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/settings/Controls.h"
#include "gui/settings/FolderField.h"

namespace arkwell::gui {

ImmediateSettingsPage::ImmediateSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      targetLabel_(makeLabel(QStringLiteral("Target directory:"), QStringLiteral("immediateTargetLabel"), this)),
      target_(new FolderField(dialogs, QStringLiteral("immediateTarget"), this)),
      createGroup_(new QGroupBox(QStringLiteral("Create backup:"), this)),
      everyLabel_(makeLabel(QStringLiteral("Every"), QStringLiteral("immediateEveryLabel"), createGroup_)),
      every_(makeSpin(QStringLiteral("immediateEverySpin"), 2, 1000, createGroup_)),
      everyUnitLabel_(makeLabel(QStringLiteral("minutes"), QStringLiteral("immediateEveryUnitLabel"), createGroup_)),
      oldGroup_(new QGroupBox(QStringLiteral("Old backups:"), this)),
      removeLabel_(
          makeLabel(QStringLiteral("Remove backups older then"), QStringLiteral("immediateRemoveLabel"), oldGroup_)),
      remove_(makeSpin(QStringLiteral("immediateRemoveSpin"), 10, 10000, oldGroup_)),
      removeUnitLabel_(makeLabel(QStringLiteral("minutes"), QStringLiteral("immediateRemoveUnitLabel"), oldGroup_)) {
  setObjectName(QStringLiteral("immediateSettingsPage"));
  setWindowTitle(QStringLiteral("Immediate backup"));
  createGroup_->setObjectName(QStringLiteral("immediateCreateGroup"));
  oldGroup_->setObjectName(QStringLiteral("immediateOldBackupsGroup"));
  targetLabel_->setBuddy(target_->lineEdit());
  everyLabel_->setBuddy(every_);
  removeLabel_->setBuddy(remove_);

  auto* target = new QHBoxLayout;
  target->addWidget(targetLabel_);
  target->addWidget(target_, 1);
  auto* create = new QHBoxLayout(createGroup_);
  create->addWidget(everyLabel_);
  create->addWidget(every_);
  create->addWidget(everyUnitLabel_);
  create->addStretch(1);
  auto* old = new QHBoxLayout(oldGroup_);
  old->addWidget(removeLabel_);
  old->addWidget(remove_);
  old->addWidget(removeUnitLabel_);
  old->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(target);
  layout->addWidget(createGroup_);
  layout->addWidget(oldGroup_);
  layout->addStretch(1);

  connect(target_, &FolderField::edited, this, [this] {
    data_.settings.immediateTargetDir = target_->text();
    emit changed();
  });
  bind(every_, &core::Settings::immediateEvery);
  bind(remove_, &core::Settings::immediateRemove);
  load();
}

void ImmediateSettingsPage::load() {
  target_->setText(data_.settings.immediateTargetDir);
  loadBound();
}

void ImmediateSettingsPage::applyTexts(const text::TextTable& texts) {
  setWindowTitle(texts[317]);
  targetLabel_->setText(texts[321]);
  target_->lineEdit()->setToolTip(texts[325]);
  createGroup_->setTitle(texts[319]);
  everyLabel_->setText(texts[320]);
  everyUnitLabel_->setText(texts[318]);
  every_->setToolTip(texts[326]);
  oldGroup_->setTitle(texts[38]);
  removeLabel_->setText(texts[44]);
  removeUnitLabel_->setText(texts[318]);
  remove_->setToolTip(texts[327]);
}

}  // namespace arkwell::gui
