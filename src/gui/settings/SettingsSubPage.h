#pragma once
// One sub-page of the settings page. It edits the program data in place:
// every edit goes straight into `data` and raises changed(), which marks the
// settings as changed. load() puts the data into the controls (after the
// settings file was read); applyTexts() relabels the controls in the current
// language. The design captions are set by the constructor and stay when no
// language file exists.
#include <QWidget>

#include "core/DialogService.h"
#include "core/ProgramData.h"
#include "text/TextTable.h"

namespace arkwell::gui {

class SettingsSubPage : public QWidget {
  Q_OBJECT
 public:
  SettingsSubPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr)
      : QWidget(parent), data_(data), dialogs_(dialogs) {}

  virtual void load() = 0;
  virtual void applyTexts(const text::TextTable& texts) = 0;

 signals:
  void changed();

 protected:
  core::ProgramData& data_;
  core::DialogService& dialogs_;
};

}  // namespace arkwell::gui
