#pragma once
// Settings sub-page "FTP backup": the five server slots (list, fields, arrow
// buttons, connection test) and the retention of FTP backup sets. Only the
// retention is bound here; the server controls are reached through the
// accessors by the code that owns the servers.
#include "gui/settings/SettingsSubPage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace arkwell::gui {

class RetentionGroup;

class FtpSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  FtpSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  void load() override;
  void applyTexts(const text::TextTable& texts) override;
  // The server group is shown unless the choice is 0 (no internet).
  void setInternetAccess(int access);

  QGroupBox* serverGroup() const { return serverGroup_; }
  QListWidget* serverList() const { return serverList_; }
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }
  QCheckBox* canBeUsedCheck() const { return canBeUsed_; }
  QLineEdit* nameEdit() const { return name_; }
  QLineEdit* hostEdit() const { return host_; }
  QLineEdit* userEdit() const { return user_; }
  QLineEdit* passwordEdit() const { return password_; }
  QLineEdit* portEdit() const { return port_; }
  QCheckBox* passiveCheck() const { return passive_; }
  QLineEdit* baseDirEdit() const { return baseDir_; }
  QPushButton* testConnectionButton() const { return test_; }
  QLabel* testStatusLabel() const { return testStatus_; }
  RetentionGroup* retentionGroup() const { return retention_; }

 private:
  QLabel* addLabel(const QString& caption, const QString& name, QWidget* buddy);
  QLineEdit* addEdit(const QString& name);

  QGroupBox* serverGroup_;
  QLabel* listLabel_;
  QListWidget* serverList_;
  QToolButton* up_;
  QToolButton* down_;
  QCheckBox* canBeUsed_;
  QLineEdit* name_;
  QLineEdit* host_;
  QLineEdit* user_;
  QLineEdit* password_;
  QLineEdit* port_;
  QCheckBox* passive_;
  QLineEdit* baseDir_;
  QLabel* nameLabel_;
  QLabel* hostLabel_;
  QLabel* userLabel_;
  QLabel* passwordLabel_;
  QLabel* portLabel_;
  QLabel* baseDirLabel_;
  QPushButton* test_;
  QLabel* testStatus_;
  RetentionGroup* retention_;
};

}  // namespace arkwell::gui
