#include "gui/settings/AgentSettingsPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace arkwell::gui {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

AgentSettingsPage::AgentSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      statusCaption_(named(new QLabel(QStringLiteral("Status:"), this), "agentStatusCaptionLabel")),
      status_(named(new QLabel(QStringLiteral("Service NOT installed"), this), "agentStatusLabel")),
      currentlyGroup_(named(new QGroupBox(QStringLiteral("Currently:"), this), "agentCurrentlyGroup")),
      state_(named(new QLabel(QStringLiteral("N/A"), currentlyGroup_), "agentStateLabel")),
      currently_(named(new QLabel(currentlyGroup_), "agentCurrentlyLabel")),
      install_(named(new QPushButton(QStringLiteral("Install Arkwell BackupService"), this), "agentInstallButton")),
      uninstall_(
          named(new QPushButton(QStringLiteral("Uninstall Arkwell BackupService"), this), "agentUninstallButton")),
      startStop_(named(new QPushButton(this), "agentStartStopButton")),
      settingsGroup_(named(new QGroupBox(QStringLiteral("Service settings:"), this), "agentSettingsGroup")),
      debugMode_(named(new QCheckBox(QStringLiteral("Debugmode (report)"), settingsGroup_), "agentDebugModeCheck")),
      accountGroup_(named(new QGroupBox(QStringLiteral("Service account"), this), "agentAccountGroup")),
      system_(named(new QCheckBox(QStringLiteral("SYSTEM"), accountGroup_), "agentSystemAccountCheck")),
      accountLabel_(named(new QLabel(QStringLiteral("Account:"), accountGroup_), "agentAccountLabel")),
      account_(named(new QLineEdit(accountGroup_), "agentAccountEdit")),
      passwordLabel_(named(new QLabel(QStringLiteral("Password:"), accountGroup_), "agentPasswordLabel")),
      password_(named(new QLineEdit(accountGroup_), "agentPasswordEdit")) {
  setObjectName(QStringLiteral("agentSettingsPage"));
  setWindowTitle(QStringLiteral("NT-Service"));
  currently_->setTextFormat(Qt::PlainText);
  password_->setEchoMode(QLineEdit::Password);
  accountLabel_->setBuddy(account_);
  passwordLabel_->setBuddy(password_);

  auto* status = new QHBoxLayout;
  status->addWidget(statusCaption_);
  status->addWidget(status_, 1);
  auto* currently = new QVBoxLayout(currentlyGroup_);
  currently->addWidget(state_);
  currently->addWidget(currently_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(install_);
  buttons->addWidget(uninstall_);
  buttons->addWidget(startStop_);
  buttons->addStretch(1);
  auto* settings = new QVBoxLayout(settingsGroup_);
  settings->addWidget(debugMode_);
  auto* account = new QFormLayout(accountGroup_);
  account->addRow(system_);
  account->addRow(accountLabel_, account_);
  account->addRow(passwordLabel_, password_);
  // The agent is started as the user who installed it, so there is no account
  // to pick; the values are still kept for the agent configuration.
  accountGroup_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(status);
  layout->addWidget(currentlyGroup_);
  layout->addLayout(buttons);
  layout->addWidget(settingsGroup_);
  layout->addWidget(accountGroup_);
  layout->addStretch(1);

  connect(install_, &QPushButton::clicked, this, &AgentSettingsPage::installRequested);
  connect(uninstall_, &QPushButton::clicked, this, &AgentSettingsPage::uninstallRequested);
  connect(startStop_, &QPushButton::clicked, this, &AgentSettingsPage::startStopRequested);
  bind(debugMode_, &core::Settings::debugMode);
  bind(system_, &core::Settings::systemAccount, [this] { enableAccountFields(); });
  bind(account_, &core::Settings::serviceAccount);
  bind(password_, &core::Settings::servicePassword);
  load();
}

void AgentSettingsPage::enableAccountFields() {
  const bool own = !system_->isChecked();
  for (QWidget* field : {static_cast<QWidget*>(accountLabel_), static_cast<QWidget*>(account_),
                         static_cast<QWidget*>(passwordLabel_), static_cast<QWidget*>(password_)}) {
    field->setEnabled(own);
  }
}

void AgentSettingsPage::load() {
  loadBound();
  enableAccountFields();
}

void AgentSettingsPage::applyTexts(const text::TextTable& texts) {
  statusCaption_->setText(texts[335]);
  currentlyGroup_->setTitle(texts[336]);
  install_->setText(texts[339]);
  settingsGroup_->setTitle(texts[342]);
}

}  // namespace arkwell::gui
