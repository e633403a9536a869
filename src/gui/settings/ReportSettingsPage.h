#pragma once
// Settings sub-page "Reports": whether run reports are made, listed in
// detail, saved (and where, and for how long), and the e-mail of reports.
// The test mail button only raises sendTestMailRequested(); its outcome goes
// into mailStatusLabel().
#include "gui/settings/SettingsSubPage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace arkwell::gui {

class FolderField;

class ReportSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  ReportSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  void load() override;
  void applyTexts(const text::TextTable& texts) override;
  // The e-mail group is shown unless the choice is 0 (no internet).
  void setInternetAccess(int access);

  QCheckBox* createReportsCheck() const { return create_; }
  QCheckBox* fileDetailsCheck() const { return fileDetails_; }
  QCheckBox* saveReportsCheck() const { return save_; }
  FolderField* reportFolderField() const { return folder_; }
  QSpinBox* removeDaysSpin() const { return removeDays_; }
  QLabel* removeDaysLabel() const { return removeLabel_; }
  QLabel* removeDaysUnitLabel() const { return daysLabel_; }
  QGroupBox* mailGroup() const { return mailGroup_; }
  QCheckBox* sendMailCheck() const { return sendMail_; }
  QLineEdit* smtpEdit() const { return smtp_; }
  QLineEdit* fromEdit() const { return from_; }
  QPlainTextEdit* recipientsEdit() const { return recipients_; }
  QLineEdit* subjectEdit() const { return subject_; }
  QPushButton* testMailButton() const { return testMail_; }
  QLabel* mailStatusLabel() const { return mailStatus_; }

 signals:
  void sendTestMailRequested();

 private:
  void enableSaveControls();
  QLineEdit* makeEdit(const QString& name, QString core::Settings::*setting);

  QGroupBox* reportsGroup_;
  QCheckBox* create_;
  QCheckBox* fileDetails_;
  QCheckBox* save_;
  FolderField* folder_;
  QLabel* removeLabel_;
  QSpinBox* removeDays_;
  QLabel* daysLabel_;
  QGroupBox* mailGroup_;
  QCheckBox* sendMail_;
  QLineEdit* smtp_;
  QLineEdit* from_;
  QPlainTextEdit* recipients_;
  QLineEdit* subject_;
  QLabel* smtpLabel_;
  QLabel* fromLabel_;
  QLabel* toLabel_;
  QLabel* subjectLabel_;
  QLabel* dateTimeLabel_;
  QPushButton* testMail_;
  QLabel* mailStatus_;
};

}  // namespace arkwell::gui
