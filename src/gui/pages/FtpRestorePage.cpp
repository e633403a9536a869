#include "gui/pages/FtpRestorePage.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace arkwell::gui {

namespace {

QListWidget* list(const char* name, QWidget* parent) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QLatin1String(name));
  return l;
}

}  // namespace

FtpRestorePage::FtpRestorePage(QWidget* parent) : Page(parent) {
  step1_ = new QLabel(QStringLiteral("1. Select Server"), this);
  step2_ = new QLabel(QStringLiteral("2. Select Backup"), this);
  step3_ = new QLabel(QStringLiteral("3. Pick a date"), this);
  step4_ = new QLabel(QStringLiteral("4. Click Start"), this);
  filesLabel_ = new QLabel(QStringLiteral("Files:"), this);
  servers_ = list("ftpServerList", this);
  backups_ = list("ftpBackupList", this);
  dates_ = list("ftpDateList", this);
  files_ = list("ftpFileList", this);
  files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect_ = new QPushButton(QStringLiteral("Connect"), this);
  connect_->setObjectName(QStringLiteral("ftpConnectButton"));
  start_ = new QPushButton(QStringLiteral("Start..."), this);
  start_->setObjectName(QStringLiteral("ftpStartRestoreButton"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(step1_, 0, 0);
  layout->addWidget(step2_, 0, 1);
  layout->addWidget(step3_, 0, 2);
  layout->addWidget(step4_, 0, 3);
  auto* serverColumn = new QVBoxLayout;
  serverColumn->addWidget(servers_, 1);
  serverColumn->addWidget(connect_);
  layout->addLayout(serverColumn, 1, 0);
  layout->addWidget(backups_, 1, 1);
  layout->addWidget(dates_, 1, 2);
  auto* startColumn = new QVBoxLayout;
  startColumn->addWidget(start_);
  startColumn->addStretch(1);
  layout->addLayout(startColumn, 1, 3);
  layout->addWidget(filesLabel_, 2, 0, 1, 4);
  layout->addWidget(files_, 3, 0, 1, 4);
  layout->setRowStretch(1, 1);
  layout->setRowStretch(3, 1);
}

void FtpRestorePage::applyTexts(const text::TextTable& texts) {
  step1_->setText(texts[263]);
  step2_->setText(texts[264]);
  step3_->setText(texts[265]);
  step4_->setText(texts[266]);
  filesLabel_->setText(texts[267]);
  connect_->setText(QStringLiteral("Connect"));
  connect_->setToolTip(texts[172]);
  start_->setText(texts[34]);
  start_->setToolTip(texts[175]);
}

}  // namespace arkwell::gui
