#pragma once
// Settings sub-page "Ignore": the path fragments whose files are never backed
// up. Insert adds the entry field's text in sorted place; Delete takes the
// selected entry out and back into the entry field for editing.
#include "gui/settings/SettingsSubPage.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace arkwell::gui {

class IgnoreListSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  IgnoreListSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  void load() override;
  void applyTexts(const text::TextTable& texts) override;

  QListWidget* entryList() const { return list_; }
  QLineEdit* entryEdit() const { return entry_; }
  QPushButton* insertButton() const { return insert_; }
  QPushButton* deleteButton() const { return delete_; }

  void insertEntry();
  void deleteSelectedEntry();

 private:
  QGroupBox* group_;
  QListWidget* list_;
  QLineEdit* entry_;
  QPushButton* insert_;
  QPushButton* delete_;
};

}  // namespace arkwell::gui
