#pragma once
// Settings sub-page "NT-Service": the agent's state, what it is doing, the
// install, uninstall and start/stop buttons (which only raise signals; the
// agent link acts on them and sets the labels), and the agent's settings.
// The service account group is kept hidden, as designed; its values are
// still loaded and stored.
#include "gui/settings/SettingsSubPage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace arkwell::gui {

class AgentSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  AgentSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  void load() override;
  void applyTexts(const text::TextTable& texts) override;

  QLabel* statusLabel() const { return status_; }        // the agent's state ("Service NOT installed")
  QLabel* stateLabel() const { return state_; }          // busy / idle
  QLabel* currentlyLabel() const { return currently_; }  // what the agent works on
  QPushButton* installButton() const { return install_; }
  QPushButton* uninstallButton() const { return uninstall_; }
  QPushButton* startStopButton() const { return startStop_; }
  QCheckBox* debugModeCheck() const { return debugMode_; }
  QGroupBox* accountGroup() const { return accountGroup_; }
  QCheckBox* systemAccountCheck() const { return system_; }
  QLineEdit* accountEdit() const { return account_; }
  QLineEdit* accountPasswordEdit() const { return password_; }

 signals:
  void installRequested();
  void uninstallRequested();
  void startStopRequested();

 private:
  void enableAccountFields();

  QLabel* statusCaption_;
  QLabel* status_;
  QGroupBox* currentlyGroup_;
  QLabel* state_;
  QLabel* currently_;
  QPushButton* install_;
  QPushButton* uninstall_;
  QPushButton* startStop_;
  QGroupBox* settingsGroup_;
  QCheckBox* debugMode_;
  QGroupBox* accountGroup_;
  QCheckBox* system_;
  QLabel* accountLabel_;
  QLineEdit* account_;
  QLabel* passwordLabel_;
  QLineEdit* password_;
};

}  // namespace arkwell::gui
