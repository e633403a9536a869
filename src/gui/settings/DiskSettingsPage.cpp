#include "gui/settings/DiskSettingsPage.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/settings/FolderField.h"
#include "gui/settings/RetentionGroup.h"

namespace arkwell::gui {

DiskSettingsPage::DiskSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      defaultTargetLabel_(new QLabel(QStringLiteral("Default target:"), this)),
      defaultTarget_(new FolderField(dialogs, QStringLiteral("defaultTarget"), this)),
      retention_(new RetentionGroup(QStringLiteral("disk"), QStringLiteral("backup(s) "), this)) {
  setObjectName(QStringLiteral("diskSettingsPage"));
  setWindowTitle(QStringLiteral("Disk backup"));
  defaultTargetLabel_->setObjectName(QStringLiteral("defaultTargetLabel"));
  defaultTargetLabel_->setBuddy(defaultTarget_->lineEdit());
  defaultTarget_->setCreateOnLeave(true, QStringLiteral("Could not create default backupdir"));
  runBefore_ = makeCommandRow(QStringLiteral("runBefore"), QStringLiteral("Run before FULL backup:"));
  runAfter_ = makeCommandRow(QStringLiteral("runAfter"), QStringLiteral("Run after FULL backup:"));

  auto* grid = new QGridLayout;
  grid->addWidget(defaultTargetLabel_, 0, 0);
  grid->addWidget(defaultTarget_, 0, 1, 1, 3);
  int row = 1;
  for (const CommandRow* command : {&runBefore_, &runAfter_}) {
    auto* field = new QHBoxLayout;
    field->setContentsMargins(0, 0, 0, 0);
    field->addWidget(command->edit, 1);
    field->addWidget(command->browse);
    grid->addWidget(command->label, row, 0);
    grid->addLayout(field, row, 1);
    grid->addWidget(command->test, row, 2);
    grid->addWidget(command->running, row, 3);
    ++row;
  }
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(retention_);
  layout->addStretch(1);

  connect(defaultTarget_, &FolderField::edited, this, [this] {
    data_.settings.defaultDir = defaultTarget_->text();
    emit changed();
  });
  bind(runBefore_.edit, &core::Settings::runBefore);
  bind(runAfter_.edit, &core::Settings::runAfter);
  connect(runBefore_.browse, &QToolButton::clicked, this,
          [this] { browseCommand(runBefore_.edit, data_.settings.runBefore); });
  connect(runAfter_.browse, &QToolButton::clicked, this,
          [this] { browseCommand(runAfter_.edit, data_.settings.runAfter); });
  connect(runBefore_.test, &QPushButton::clicked, this, &DiskSettingsPage::testRunBeforeRequested);
  connect(runAfter_.test, &QPushButton::clicked, this, &DiskSettingsPage::testRunAfterRequested);
  bind(retention_->removeAfterSpin(), &core::Settings::diskMaxDays);
  bind(retention_->minKeepSpin(), &core::Settings::diskMinKeep);
  load();
}

DiskSettingsPage::CommandRow DiskSettingsPage::makeCommandRow(const QString& role, const QString& caption) {
  CommandRow row;
  row.label = new QLabel(caption, this);
  row.label->setObjectName(role + QStringLiteral("Label"));
  row.edit = new QLineEdit(this);
  row.edit->setObjectName(role + QStringLiteral("Edit"));
  row.label->setBuddy(row.edit);
  row.browse = new QToolButton(this);
  row.browse->setObjectName(role + QStringLiteral("BrowseButton"));
  row.browse->setText(QStringLiteral("..."));
  row.test = new QPushButton(QStringLiteral("Test"), this);
  row.test->setObjectName(role + QStringLiteral("TestButton"));
  row.running = new QLabel(QStringLiteral("Running..."), this);
  row.running->setObjectName(role + QStringLiteral("RunningLabel"));
  row.running->hide();
  return row;
}

void DiskSettingsPage::browseCommand(QLineEdit* edit, QString& setting) {
  // An existing program opens the dialog in its folder with its name filled in.
  const QString current = edit->text().trimmed();
  const QFileInfo info(current);
  QString fileName = current;
  QString folder;
  if (!current.isEmpty() && info.isFile()) {
    fileName = info.fileName();
    folder = info.absolutePath();
  }
  if (!dialogs_.chooseFile(true, QString(), QStringLiteral("Programs|*"), fileName, QStringLiteral("Select file"),
                           folder)) {
    return;
  }
  edit->setText(fileName);
  setting = fileName;
  emit changed();
}

void DiskSettingsPage::load() {
  defaultTarget_->setText(data_.settings.defaultDir);
  loadBound();
}

void DiskSettingsPage::applyTexts(const text::TextTable& texts) {
  setWindowTitle(texts[229]);
  defaultTargetLabel_->setText(texts[41]);
  defaultTarget_->lineEdit()->setToolTip(texts[181]);
  runBefore_.label->setText(texts[330]);
  runAfter_.label->setText(texts[331]);
  retention_->applyTexts(texts);
}

}  // namespace arkwell::gui
