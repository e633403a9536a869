#pragma once
// A main window on a data folder of its own, with scripted dialogs.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>

#include "gui/MainWindow.h"
#include "gui/settings/ScriptedDialogs.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace arkwell::test {

class WindowTest : public ::testing::Test {
 protected:
  TempDir dir;
  ScopedEnv appData{"ARKWELLBACKUP_APPDATA", dir / "appdata"};
  ScriptedDialogs dialogs;
  std::unique_ptr<gui::MainWindow> window;

  void TearDown() override;

  QString dataFolder() const;
  QString dataFile(const char* name) const;
  // Puts the shipped language file into the data folder, as the first start's move would.
  void installLanguageFile();
  void writeDataFile(const char* name, const QString& text);
  // Creates the window (the create steps run) and, when asked, shows it.
  gui::MainWindow& start(const QStringList& arguments = {}, bool show = true);
  // Texts of the dialogs shown so far.
  QStringList shownMessages() const;
};

}  // namespace arkwell::test
