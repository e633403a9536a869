#include "gui/settings/InternetSettingsPage.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace arkwell::gui {

InternetSettingsPage::InternetSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      accessGroup_(new QGroupBox(QStringLiteral("Access to the internet:"), this)),
      choices_(new QButtonGroup(this)),
      proxyGroup_(new QGroupBox(QStringLiteral("Proxy for http update:"), this)),
      server_(new QLineEdit(proxyGroup_)),
      user_(new QLineEdit(proxyGroup_)),
      password_(new QLineEdit(proxyGroup_)),
      serverLabel_(new QLabel(QStringLiteral("Proxyserver:"), proxyGroup_)),
      userLabel_(new QLabel(QStringLiteral("User ID:"), proxyGroup_)),
      passwordLabel_(new QLabel(QStringLiteral("Password:"), proxyGroup_)) {
  setObjectName(QStringLiteral("internetSettingsPage"));
  setWindowTitle(QStringLiteral("Internet"));
  accessGroup_->setObjectName(QStringLiteral("internetAccessGroup"));
  proxyGroup_->setObjectName(QStringLiteral("proxyGroup"));

  auto* accessLayout = new QVBoxLayout(accessGroup_);
  const struct {
    const char* caption;
    const char* name;
  } choices[] = {{"No internet", "noInternetRadio"},
                 {"Direct / modem / LAN", "directInternetRadio"},
                 {"Via Proxyserver", "proxyInternetRadio"}};
  for (int access = 0; access < 3; ++access) {
    auto* button = new QRadioButton(QString::fromLatin1(choices[access].caption), accessGroup_);
    button->setObjectName(QString::fromLatin1(choices[access].name));
    choices_->addButton(button, access);
    accessLayout->addWidget(button);
  }

  server_->setObjectName(QStringLiteral("proxyServerEdit"));
  user_->setObjectName(QStringLiteral("proxyUserEdit"));
  password_->setObjectName(QStringLiteral("proxyPasswordEdit"));
  password_->setEchoMode(QLineEdit::Password);
  serverLabel_->setObjectName(QStringLiteral("proxyServerLabel"));
  userLabel_->setObjectName(QStringLiteral("proxyUserLabel"));
  passwordLabel_->setObjectName(QStringLiteral("proxyPasswordLabel"));
  auto* proxyLayout = new QFormLayout(proxyGroup_);
  proxyLayout->addRow(serverLabel_, server_);
  proxyLayout->addRow(userLabel_, user_);
  proxyLayout->addRow(passwordLabel_, password_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(accessGroup_);
  layout->addWidget(proxyGroup_);
  layout->addStretch(1);

  connect(choices_, &QButtonGroup::idToggled, this, [this](int access, bool checked) {
    if (!checked) return;
    data_.settings.internetAccess = access;
    showAccess(access);
    emit changed();
    emit accessChanged(access);
  });
  bind(server_, &core::Settings::proxyServer);
  bind(user_, &core::Settings::proxyUserId);
  bind(password_, &core::Settings::proxyPassword);
  load();
}

QRadioButton* InternetSettingsPage::accessButton(int access) const {
  return qobject_cast<QRadioButton*>(choices_->button(access));
}

void InternetSettingsPage::load() {
  const core::Settings& settings = data_.settings;
  {
    const QSignalBlocker block(choices_);
    if (QAbstractButton* button = choices_->button(settings.internetAccess)) {
      button->setChecked(true);
    } else if (QAbstractButton* checked = choices_->checkedButton()) {
      // A value from outside the three choices selects none of them.
      choices_->setExclusive(false);
      checked->setChecked(false);
      choices_->setExclusive(true);
    }
  }
  showAccess(settings.internetAccess);
  loadBound();
}

void InternetSettingsPage::showAccess(int access) {
  proxyGroup_->setVisible(access == 2);
}

void InternetSettingsPage::applyTexts(const text::TextTable& texts) {
  setWindowTitle(texts[231]);
  accessGroup_->setTitle(texts[247]);
  for (int access = 0; access < 3; ++access) choices_->button(access)->setText(texts[248 + access]);
  proxyGroup_->setTitle(texts[251]);
  serverLabel_->setText(texts[252]);
  userLabel_->setText(texts[253]);
  passwordLabel_->setText(texts[254]);
}

}  // namespace arkwell::gui
