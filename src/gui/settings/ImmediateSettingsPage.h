#pragma once
// Settings sub-page "Immediate backup": the folder that receives the file
// versions, the minutes between runs and how many minutes versions are kept.
#include "gui/settings/SettingsSubPage.h"

class QGroupBox;
class QLabel;
class QSpinBox;

namespace arkwell::gui {

class FolderField;

class ImmediateSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  ImmediateSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  void load() override;
  void applyTexts(const text::TextTable& texts) override;

  FolderField* targetField() const { return target_; }
  QSpinBox* everySpin() const { return every_; }    // 2 to 1000 minutes
  QSpinBox* removeSpin() const { return remove_; }  // 10 to 10000 minutes

 private:
  QLabel* targetLabel_;
  FolderField* target_;
  QGroupBox* createGroup_;
  QLabel* everyLabel_;
  QSpinBox* every_;
  QLabel* everyUnitLabel_;
  QGroupBox* oldGroup_;
  QLabel* removeLabel_;
  QSpinBox* remove_;
  QLabel* removeUnitLabel_;
};

}  // namespace arkwell::gui
