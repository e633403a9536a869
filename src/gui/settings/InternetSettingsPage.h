#pragma once
// Settings sub-page "Internet": how the program reaches the internet (0 no
// internet, 1 direct, 2 through a proxy) and the proxy for the web update,
// whose fields are shown only for the proxy choice. Other pages hide their
// server and mail groups on accessChanged(0).
#include "gui/settings/SettingsSubPage.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace arkwell::gui {

class InternetSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  InternetSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  void load() override;
  void applyTexts(const text::TextTable& texts) override;

  QRadioButton* accessButton(int access) const;  // 0, 1 or 2
  QGroupBox* proxyGroup() const { return proxyGroup_; }
  QLineEdit* proxyServerEdit() const { return server_; }
  QLineEdit* proxyUserEdit() const { return user_; }
  QLineEdit* proxyPasswordEdit() const { return password_; }

 signals:
  // The user picked another access choice.
  void accessChanged(int access);

 private:
  void showAccess(int access);

  QGroupBox* accessGroup_;
  QButtonGroup* choices_;
  QGroupBox* proxyGroup_;
  QLineEdit* server_;
  QLineEdit* user_;
  QLineEdit* password_;
  QLabel* serverLabel_;
  QLabel* userLabel_;
  QLabel* passwordLabel_;
};

}  // namespace arkwell::gui
