#include "gui/settings/SchedulerSettingsPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace arkwell::gui {

SchedulerSettingsPage::SchedulerSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      table_(new QTableView(this)),
      add_(new QPushButton(QStringLiteral("Add line"), this)),
      delete_(new QPushButton(QStringLiteral("Delete line"), this)) {
  setObjectName(QStringLiteral("schedulerSettingsPage"));
  setWindowTitle(QStringLiteral("Scheduler"));
  table_->setObjectName(QStringLiteral("scheduleTable"));
  add_->setObjectName(QStringLiteral("addScheduleLineButton"));
  delete_->setObjectName(QStringLiteral("deleteScheduleLineButton"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add_);
  buttons->addWidget(delete_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);

  connect(add_, &QPushButton::clicked, this, &SchedulerSettingsPage::addLineRequested);
  connect(delete_, &QPushButton::clicked, this, &SchedulerSettingsPage::deleteLineRequested);
}

void SchedulerSettingsPage::applyTexts(const text::TextTable& texts) {
  setWindowTitle(texts[306]);
  add_->setText(texts[315]);
  delete_->setText(texts[316]);
}

}  // namespace arkwell::gui
