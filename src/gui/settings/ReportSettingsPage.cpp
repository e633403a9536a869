#include "gui/settings/ReportSettingsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/TextFile.h"
#include "gui/settings/Controls.h"
#include "gui/settings/FolderField.h"

namespace arkwell::gui {

namespace {

// One recipient per line; blank lines carry no address.
QStringList recipientLines(const QString& text) {
  QStringList lines;
  for (const QString& line : core::splitLines(text)) {
    if (!line.trimmed().isEmpty()) lines << line;
  }
  return lines;
}

}  // namespace

ReportSettingsPage::ReportSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      reportsGroup_(new QGroupBox(QStringLiteral("Reports:"), this)),
      mailGroup_(new QGroupBox(QStringLiteral("E-mail"), this)) {
  setObjectName(QStringLiteral("reportSettingsPage"));
  setWindowTitle(QStringLiteral("Reports"));
  reportsGroup_->setObjectName(QStringLiteral("reportsGroup"));
  mailGroup_->setObjectName(QStringLiteral("mailGroup"));

  create_ = makeCheck(QStringLiteral("Create reports"), QStringLiteral("createReportsCheck"), reportsGroup_);
  fileDetails_ = makeCheck(QStringLiteral("Include file-details"), QStringLiteral("fileDetailsCheck"), reportsGroup_);
  save_ = makeCheck(QStringLiteral("Save reports to:"), QStringLiteral("saveReportsCheck"), reportsGroup_);
  folder_ = new FolderField(dialogs, QStringLiteral("reportFolder"), reportsGroup_);
  folder_->setCreateOnLeave(true, QStringLiteral("Could not create reports-directory"));
  removeLabel_ =
      makeLabel(QStringLiteral("Remove reports older then"), QStringLiteral("removeReportsLabel"), reportsGroup_);
  removeDays_ = new QSpinBox(reportsGroup_);
  removeDays_->setObjectName(QStringLiteral("removeReportsDaysSpin"));
  removeDays_->setRange(1, 1000);
  removeLabel_->setBuddy(removeDays_);
  daysLabel_ = makeLabel(QStringLiteral("day(s)"), QStringLiteral("removeReportsDaysLabel"), reportsGroup_);

  auto* reports = new QGridLayout(reportsGroup_);
  reports->addWidget(create_, 0, 0, 1, 4);
  reports->addWidget(fileDetails_, 1, 0, 1, 4);
  reports->addWidget(save_, 2, 0);
  reports->addWidget(folder_, 2, 1, 1, 3);
  reports->addWidget(removeLabel_, 3, 0);
  reports->addWidget(removeDays_, 3, 1);
  reports->addWidget(daysLabel_, 3, 2);
  reports->setColumnStretch(3, 1);

  sendMail_ = makeCheck(QStringLiteral("Send report by e-mail:"), QStringLiteral("sendMailCheck"), mailGroup_);
  smtp_ = makeEdit(QStringLiteral("smtpEdit"), &core::Settings::mailSmtp);
  from_ = makeEdit(QStringLiteral("fromEdit"), &core::Settings::mailFrom);
  subject_ = makeEdit(QStringLiteral("subjectEdit"), &core::Settings::mailSubject);
  recipients_ = new QPlainTextEdit(mailGroup_);
  recipients_->setObjectName(QStringLiteral("recipientsEdit"));
  recipients_->setLineWrapMode(QPlainTextEdit::NoWrap);
  recipients_->setTabChangesFocus(true);
  smtpLabel_ = makeLabel(QStringLiteral("SMTP-server:"), QStringLiteral("smtpLabel"), mailGroup_);
  fromLabel_ = makeLabel(QStringLiteral("From:"), QStringLiteral("fromLabel"), mailGroup_);
  toLabel_ = makeLabel(QStringLiteral("To:"), QStringLiteral("recipientsLabel"), mailGroup_);
  subjectLabel_ = makeLabel(QStringLiteral("Subject:"), QStringLiteral("subjectLabel"), mailGroup_);
  dateTimeLabel_ = makeLabel(QStringLiteral("+ Date/time"), QStringLiteral("subjectDateTimeLabel"), mailGroup_);
  smtpLabel_->setBuddy(smtp_);
  fromLabel_->setBuddy(from_);
  toLabel_->setBuddy(recipients_);
  subjectLabel_->setBuddy(subject_);
  toLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  testMail_ = new QPushButton(QStringLiteral("Send Test E-mail"), mailGroup_);
  testMail_->setObjectName(QStringLiteral("testMailButton"));
  mailStatus_ = makeLabel(QString(), QStringLiteral("mailStatusLabel"), mailGroup_);

  auto* mail = new QGridLayout(mailGroup_);
  mail->addWidget(sendMail_, 0, 0, 1, 3);
  mail->addWidget(smtpLabel_, 1, 0);
  mail->addWidget(smtp_, 1, 1, 1, 2);
  mail->addWidget(fromLabel_, 2, 0);
  mail->addWidget(from_, 2, 1, 1, 2);
  mail->addWidget(toLabel_, 3, 0);
  mail->addWidget(recipients_, 3, 1, 1, 2);
  mail->addWidget(subjectLabel_, 4, 0);
  mail->addWidget(subject_, 4, 1);
  mail->addWidget(dateTimeLabel_, 4, 2);
  auto* test = new QHBoxLayout;
  test->addWidget(testMail_);
  test->addWidget(mailStatus_, 1);
  mail->addLayout(test, 5, 1, 1, 2);
  mail->setColumnStretch(1, 1);
  mail->setRowStretch(3, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(reportsGroup_);
  layout->addWidget(mailGroup_, 1);

  bind(create_, &core::Settings::reportsCreate);
  bind(fileDetails_, &core::Settings::reportsFileDetails);
  bind(save_, &core::Settings::reportsSave, [this] { enableSaveControls(); });
  connect(folder_, &FolderField::edited, this, [this] {
    data_.settings.reportsSaveDir = folder_->text();
    emit changed();
  });
  bind(removeDays_, &core::Settings::reportsRemoveDays);
  bind(sendMail_, &core::Settings::mailSend);
  connect(recipients_, &QPlainTextEdit::textChanged, this, [this] {
    data_.settings.recipients = recipientLines(recipients_->toPlainText());
    emit changed();
  });
  connect(testMail_, &QPushButton::clicked, this, &ReportSettingsPage::sendTestMailRequested);
  load();
}

QLineEdit* ReportSettingsPage::makeEdit(const QString& name, QString core::Settings::*setting) {
  auto* edit = new QLineEdit(mailGroup_);
  edit->setObjectName(name);
  bind(edit, setting);
  return edit;
}

void ReportSettingsPage::enableSaveControls() {
  const bool on = save_->isChecked();
  for (QWidget* control : {static_cast<QWidget*>(folder_), static_cast<QWidget*>(removeDays_),
                           static_cast<QWidget*>(removeLabel_), static_cast<QWidget*>(daysLabel_)}) {
    control->setEnabled(on);
  }
}

void ReportSettingsPage::load() {
  const QSignalBlocker blockRecipients(recipients_);
  folder_->setText(data_.settings.reportsSaveDir);
  recipients_->setPlainText(data_.settings.recipients.join(QLatin1Char('\n')));
  loadBound();
  enableSaveControls();
  setInternetAccess(data_.settings.internetAccess);
}

void ReportSettingsPage::setInternetAccess(int access) {
  mailGroup_->setVisible(access != 0);
}

void ReportSettingsPage::applyTexts(const text::TextTable& texts) {
  setWindowTitle(texts[235]);
  reportsGroup_->setTitle(texts[271]);
  create_->setText(texts[272]);
  fileDetails_->setText(texts[273]);
  save_->setText(texts[274]);
  removeLabel_->setText(texts[332]);
  daysLabel_->setText(texts[45]);
  mailGroup_->setTitle(texts[39]);
  sendMail_->setText(texts[40]);
  sendMail_->setToolTip(texts[183]);
  smtpLabel_->setText(texts[49]);
  smtp_->setToolTip(texts[184]);
  fromLabel_->setText(texts[50]);
  from_->setToolTip(texts[185]);
  toLabel_->setText(texts[51]);
  recipients_->setToolTip(texts[186]);
  subjectLabel_->setText(texts[52]);
  subject_->setToolTip(texts[187]);
  dateTimeLabel_->setText(texts[53]);
  testMail_->setText(texts[54]);
  testMail_->setToolTip(texts[188]);
}

}  // namespace arkwell::gui
