#pragma once
// Every message box, question and file or folder choice goes through this
// service: the window shows real dialogs, the agent answers without anyone,
// and tests script the answers, so nothing modal ever blocks a test.
#include <QString>

namespace arkwell::core {

enum class DialogIcon { None, Information, Warning, Error, Question };

// Buttons of a question; `ask` returns the one pressed.
enum DialogButton : int {
  kButtonOk = 0x001,
  kButtonCancel = 0x002,
  kButtonYes = 0x004,
  kButtonNo = 0x008,
  kButtonAbort = 0x010,
  kButtonRetry = 0x020,
  kButtonIgnore = 0x040,
  kButtonYesToAll = 0x080,
  kButtonNoToAll = 0x100,
};

class DialogService {
 public:
  virtual ~DialogService() = default;

  // A modal question with the given buttons (a combination of DialogButton).
  virtual int ask(DialogIcon icon, const QString& text, int buttons) = 0;
  // A modal message with one OK button.
  virtual void show(DialogIcon icon, const QString& text) = 0;
  // The open (`open`) or save file dialog. `filter` is "description|pattern"
  // pairs joined by "|" ("ArkwellBackup reports|*.rep"). `fileName` is the
  // proposal on entry and the chosen path on true; unchanged on false.
  virtual bool chooseFile(bool open, const QString& defaultExtension, const QString& filter, QString& fileName,
                          const QString& title, const QString& initialFolder) = 0;
  // The folder picker starting at `initialFolder` (empty: no particular
  // folder). On true `folder` holds the chosen folder.
  virtual bool chooseFolder(const QString& title, const QString& initialFolder, QString& folder) = 0;
};

}  // namespace arkwell::core
