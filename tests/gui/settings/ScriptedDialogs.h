#pragma once
// A dialog service for window tests: every answer is queued by the test and
// every call is recorded. An unscripted dialog answers Cancel, so a test
// never blocks and can see what was asked.
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "core/DialogService.h"

namespace arkwell::test {

class ScriptedDialogs : public core::DialogService {
 public:
  enum class Kind { Ask, Show, ChooseFile, ChooseFolder };
  struct Call {
    Kind kind;
    core::DialogIcon icon = core::DialogIcon::None;
    QString text;  // message, or the file name proposed on entry
    QString title;
    QString initialFolder;
    QString filter;
    QString defaultExtension;
    bool open = false;
    int buttons = 0;
  };

  // Answers, taken in order. std::nullopt is Cancel.
  std::deque<int> askAnswers;
  std::deque<std::optional<QString>> fileAnswers;
  std::deque<std::optional<QString>> folderAnswers;
  std::vector<Call> calls;

  int ask(core::DialogIcon icon, const QString& text, int buttons) override;
  void show(core::DialogIcon icon, const QString& text) override;
  bool chooseFile(bool open, const QString& defaultExtension, const QString& filter, QString& fileName,
                  const QString& title, const QString& initialFolder) override;
  bool chooseFolder(const QString& title, const QString& initialFolder, QString& folder) override;
};

}  // namespace arkwell::test
