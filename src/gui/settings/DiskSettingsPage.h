#pragma once
// Settings sub-page "Disk backup": the default target folder of new jobs, the
// commands run before and after a full disk backup, and the retention of
// disk backups. The test buttons only raise signals; the window runs the
// command and shows its "Running..." label.
#include "gui/settings/SettingsSubPage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace arkwell::gui {

class FolderField;
class RetentionGroup;

class DiskSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  DiskSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  void load() override;
  void applyTexts(const text::TextTable& texts) override;

  FolderField* defaultTargetField() const { return defaultTarget_; }
  QLineEdit* runBeforeEdit() const { return runBefore_.edit; }
  QLineEdit* runAfterEdit() const { return runAfter_.edit; }
  QPushButton* runBeforeTestButton() const { return runBefore_.test; }
  QPushButton* runAfterTestButton() const { return runAfter_.test; }
  // Hidden "Running..." labels, shown by the window while a test runs.
  QLabel* runBeforeRunningLabel() const { return runBefore_.running; }
  QLabel* runAfterRunningLabel() const { return runAfter_.running; }
  RetentionGroup* retentionGroup() const { return retention_; }

 signals:
  void testRunBeforeRequested();
  void testRunAfterRequested();

 private:
  struct CommandRow {
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    QToolButton* browse = nullptr;
    QPushButton* test = nullptr;
    QLabel* running = nullptr;
  };

  CommandRow makeCommandRow(const QString& role, const QString& caption);
  void browseCommand(QLineEdit* edit, QString& setting);

  QLabel* defaultTargetLabel_;
  FolderField* defaultTarget_;
  CommandRow runBefore_;
  CommandRow runAfter_;
  RetentionGroup* retention_;
};

}  // namespace arkwell::gui
