#include "gui/settings/FtpSettingsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "gui/settings/RetentionGroup.h"

namespace arkwell::gui {

FtpSettingsPage::FtpSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      serverGroup_(new QGroupBox(QStringLiteral("FTP-settings"), this)),
      retention_(new RetentionGroup(QStringLiteral("ftp"), QStringLiteral("backup(s)"), this)) {
  setObjectName(QStringLiteral("ftpSettingsPage"));
  setWindowTitle(QStringLiteral("FTP backup"));
  serverGroup_->setObjectName(QStringLiteral("ftpServerGroup"));

  serverList_ = new QListWidget(serverGroup_);
  serverList_->setObjectName(QStringLiteral("ftpServerList"));
  for (int slot = 1; slot <= core::Settings::kFtpServerCount; ++slot) {
    serverList_->addItem(QStringLiteral("FTPServer #%1").arg(slot));
  }
  listLabel_ = addLabel(QStringLiteral("Connectionname:"), QStringLiteral("ftpServerListLabel"), serverList_);
  up_ = new QToolButton(serverGroup_);
  up_->setObjectName(QStringLiteral("ftpServerUpButton"));
  up_->setArrowType(Qt::UpArrow);
  down_ = new QToolButton(serverGroup_);
  down_->setObjectName(QStringLiteral("ftpServerDownButton"));
  down_->setArrowType(Qt::DownArrow);

  canBeUsed_ = new QCheckBox(QStringLiteral("Server can be used"), serverGroup_);
  canBeUsed_->setObjectName(QStringLiteral("ftpCanBeUsedCheck"));
  name_ = addEdit(QStringLiteral("ftpNameEdit"));
  host_ = addEdit(QStringLiteral("ftpHostEdit"));
  user_ = addEdit(QStringLiteral("ftpUserEdit"));
  password_ = addEdit(QStringLiteral("ftpPasswordEdit"));
  password_->setEchoMode(QLineEdit::Password);
  port_ = addEdit(QStringLiteral("ftpPortEdit"));
  baseDir_ = addEdit(QStringLiteral("ftpBaseDirEdit"));
  passive_ = new QCheckBox(QStringLiteral("Passive "), serverGroup_);
  passive_->setObjectName(QStringLiteral("ftpPassiveCheck"));
  nameLabel_ = addLabel(QStringLiteral("Name:"), QStringLiteral("ftpNameLabel"), name_);
  hostLabel_ = addLabel(QStringLiteral("FTP-Host:"), QStringLiteral("ftpHostLabel"), host_);
  userLabel_ = addLabel(QStringLiteral("UserID:"), QStringLiteral("ftpUserLabel"), user_);
  passwordLabel_ = addLabel(QStringLiteral("Password:"), QStringLiteral("ftpPasswordLabel"), password_);
  portLabel_ = addLabel(QStringLiteral("Port:"), QStringLiteral("ftpPortLabel"), port_);
  baseDirLabel_ = addLabel(QStringLiteral("Base-dir:"), QStringLiteral("ftpBaseDirLabel"), baseDir_);
  test_ = new QPushButton(QStringLiteral("Test connection"), serverGroup_);
  test_->setObjectName(QStringLiteral("ftpTestConnectionButton"));
  testStatus_ = new QLabel(serverGroup_);
  testStatus_->setObjectName(QStringLiteral("ftpTestStatusLabel"));

  auto* arrows = new QVBoxLayout;
  arrows->addStretch(1);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  arrows->addStretch(1);
  auto* list = new QGridLayout;
  list->addWidget(listLabel_, 0, 0, 1, 2);
  list->addWidget(serverList_, 1, 0);
  list->addLayout(arrows, 1, 1);

  auto* fields = new QGridLayout;
  int row = 0;
  fields->addWidget(canBeUsed_, row++, 1);
  for (auto [label, edit] : {std::pair{nameLabel_, name_}, std::pair{hostLabel_, host_}, std::pair{userLabel_, user_},
                             std::pair{passwordLabel_, password_}, std::pair{portLabel_, port_}}) {
    fields->addWidget(label, row, 0);
    fields->addWidget(edit, row++, 1);
  }
  fields->addWidget(passive_, row++, 1);
  fields->addWidget(baseDirLabel_, row, 0);
  fields->addWidget(baseDir_, row++, 1);
  auto* test = new QHBoxLayout;
  test->addWidget(test_);
  test->addWidget(testStatus_, 1);
  fields->addLayout(test, row++, 1);
  fields->setColumnStretch(1, 1);
  fields->setRowStretch(row, 1);

  auto* group = new QHBoxLayout(serverGroup_);
  group->addLayout(list, 2);
  group->addLayout(fields, 3);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(serverGroup_);
  layout->addWidget(retention_);
  layout->addStretch(1);

  bind(retention_->removeAfterSpin(), &core::Settings::ftpMaxDays);
  bind(retention_->minKeepSpin(), &core::Settings::ftpMinKeep);
  load();
}

QLabel* FtpSettingsPage::addLabel(const QString& caption, const QString& name, QWidget* buddy) {
  auto* label = new QLabel(caption, serverGroup_);
  label->setObjectName(name);
  label->setBuddy(buddy);
  return label;
}

QLineEdit* FtpSettingsPage::addEdit(const QString& name) {
  auto* edit = new QLineEdit(serverGroup_);
  edit->setObjectName(name);
  edit->setMaxLength(core::FtpServerSettings::kMaxTextLength);
  return edit;
}

void FtpSettingsPage::load() {
  loadBound();
  setInternetAccess(data_.settings.internetAccess);
}

void FtpSettingsPage::setInternetAccess(int access) {
  serverGroup_->setVisible(access != 0);
}

void FtpSettingsPage::applyTexts(const text::TextTable& texts) {
  setWindowTitle(texts[230]);
  serverGroup_->setTitle(texts[236]);
  listLabel_->setText(texts[237]);
  canBeUsed_->setText(texts[238]);
  nameLabel_->setText(texts[239]);
  hostLabel_->setText(texts[240]);
  userLabel_->setText(texts[241]);
  passwordLabel_->setText(texts[242]);
  portLabel_->setText(texts[243]);
  passive_->setText(texts[244]);
  baseDirLabel_->setText(texts[245]);
  test_->setText(texts[246]);
  up_->setToolTip(texts[323]);
  down_->setToolTip(texts[324]);
  retention_->applyTexts(texts);
}

}  // namespace arkwell::gui
