#include "gui/pages/DiskRestorePage.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace arkwell::gui {

DiskRestorePage::DiskRestorePage(QWidget* parent) : Page(parent) {
  step1_ = new QLabel(QStringLiteral("1. Choose a backup"), this);
  step2_ = new QLabel(QStringLiteral("2. Pick a date"), this);
  step3_ = new QLabel(QStringLiteral("3. Click Start"), this);
  jobs_ = new QListWidget(this);
  jobs_->setObjectName(QStringLiteral("restoreJobList"));
  archives_ = new QListWidget(this);
  archives_->setObjectName(QStringLiteral("restoreArchiveList"));
  otherFile_ = new QPushButton(QStringLiteral("Ander bestand..."), this);
  otherFile_->setObjectName(QStringLiteral("otherArchiveButton"));
  start_ = new QPushButton(QStringLiteral("Start..."), this);
  start_->setObjectName(QStringLiteral("startRestoreButton"));
  restoring_ = new QLabel(QStringLiteral("Restoring:"), this);
  fileName_ = new QLabel(QStringLiteral("Filename:"), this);
  title_ = new QLabel(QStringLiteral("Title:"), this);
  fileNameValue_ = new QLabel(QStringLiteral("-"), this);
  fileNameValue_->setObjectName(QStringLiteral("restoreFileNameValue"));
  fileNameValue_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  titleValue_ = new QLabel(QStringLiteral("-"), this);
  titleValue_->setObjectName(QStringLiteral("restoreTitleValue"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(step1_, 0, 0);
  layout->addWidget(step2_, 0, 1);
  layout->addWidget(step3_, 0, 2);
  layout->addWidget(jobs_, 1, 0);
  layout->addWidget(archives_, 1, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(start_);
  right->addStretch(1);
  layout->addLayout(right, 1, 2);
  layout->addWidget(otherFile_, 2, 1);
  auto* info = new QFormLayout;
  info->addRow(restoring_, new QWidget(this));
  info->addRow(fileName_, fileNameValue_);
  info->addRow(title_, titleValue_);
  layout->addLayout(info, 3, 0, 1, 3);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(1, 1);
}

void DiskRestorePage::applyTexts(const text::TextTable& texts) {
  step1_->setText(texts[25]);
  step2_->setText(texts[26]);
  step3_->setText(texts[27]);
  otherFile_->setText(texts[30]);
  otherFile_->setToolTip(texts[174]);
  restoring_->setText(texts[31]);
  fileName_->setText(texts[32]);
  title_->setText(texts[33]);
  start_->setText(texts[34]);
  start_->setToolTip(texts[175]);
}

}  // namespace arkwell::gui
