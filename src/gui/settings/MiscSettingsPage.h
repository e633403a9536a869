#pragma once
// Settings sub-page "Misc.": the language of the window (the sections of the
// language file) and the delay before the agent powers the computer off.
// Picking a language stores it and raises languageChosen(); the window then
// reloads its texts.
#include "gui/settings/SettingsSubPage.h"

class QComboBox;
class QGroupBox;
class QSpinBox;

namespace arkwell::gui {

class MiscSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  MiscSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  void load() override;
  void applyTexts(const text::TextTable& texts) override;

  // Fills the language box and selects `current` (nothing when not listed);
  // raises no signal.
  void setLanguages(const QStringList& names, const QString& current);
  // Disabled when there is no language file.
  void setLanguageBoxEnabled(bool enabled);

  QGroupBox* languageGroup() const { return languageGroup_; }
  QComboBox* languageBox() const { return languages_; }
  QSpinBox* shutdownDelaySpin() const { return shutdownDelay_; }

 signals:
  void languageChosen(const QString& language);

 private:
  void selectLanguage(const QString& language);

  QGroupBox* languageGroup_;
  QComboBox* languages_;
  QGroupBox* shutdownGroup_;
  QSpinBox* shutdownDelay_;
};

}  // namespace arkwell::gui
