#include "gui/pages/ImmediateBackupPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/JobTableLayouts.h"

namespace arkwell::gui {

ImmediateBackupPage::ImmediateBackupPage(core::Table& watched, core::Table& waiting, QWidget* parent) : Page(parent) {
  watchedGrid_ = new JobGrid(core::immediateTableLayout().gridName, this);
  watchedModel_ = new TableModel(watched, core::immediateTableLayout(), this);
  watchedGrid_->setModel(watchedModel_);
  waitingGrid_ = new JobGrid(core::waitingFilesTableLayout().gridName, this);
  waitingModel_ = new TableModel(waiting, core::waitingFilesTableLayout(), this);
  waitingGrid_->setModel(waitingModel_);
  remove_ = new QPushButton(QStringLiteral("Remove"), this);
  remove_->setObjectName(QStringLiteral("removeWatchedButton"));
  add_ = new QPushButton(QStringLiteral("Add"), this);
  add_->setObjectName(QStringLiteral("addWatchedButton"));
  incremental_ = new QPushButton(QStringLiteral("Incr"), this);
  incremental_->setObjectName(QStringLiteral("immediateIncrButton"));

  waitingGroup_ = new QGroupBox(this);
  auto* waitingLayout = new QVBoxLayout(waitingGroup_);
  waitingLayout->addWidget(waitingGrid_);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add_);
  buttons->addWidget(remove_);
  buttons->addStretch(1);
  buttons->addWidget(incremental_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(watchedGrid_, 1);
  layout->addLayout(buttons);
  layout->addWidget(waitingGroup_, 1);
  updateWaitingCaption();
}

void ImmediateBackupPage::updateWaitingCaption() {
  waitingGroup_->setTitle(QStringLiteral("%1 (%2)").arg(waitingCaption_).arg(waitingModel_->table().dataRowCount()));
}

void ImmediateBackupPage::applyTexts(const text::TextTable& texts) {
  watchedModel_->setTitles(core::immediateTableLayout().titleTexts, texts);
  waitingModel_->setTitles(core::waitingFilesTableLayout().titleTexts, texts);
  remove_->setText(texts[296]);
  remove_->setToolTip(texts[161]);
  add_->setText(texts[297]);
  add_->setToolTip(texts[162]);
  incremental_->setText(texts[298]);
  incremental_->setToolTip(texts[322]);
  waitingCaption_ = texts[293];
  updateWaitingCaption();
}

}  // namespace arkwell::gui
