#include "ScriptedDialogs.h"

namespace arkwell::test {

namespace {

template <typename T>
std::optional<T> take(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

int ScriptedDialogs::ask(core::DialogIcon icon, const QString& text, int buttons) {
  calls.push_back({Kind::Ask, icon, text, {}, {}, {}, {}, false, buttons});
  if (askAnswers.empty()) return core::kButtonCancel;
  const int answer = askAnswers.front();
  askAnswers.pop_front();
  return answer;
}

void ScriptedDialogs::show(core::DialogIcon icon, const QString& text) {
  calls.push_back({Kind::Show, icon, text, {}, {}, {}, {}, false, 0});
}

bool ScriptedDialogs::chooseFile(bool open, const QString& defaultExtension, const QString& filter, QString& fileName,
                                 const QString& title, const QString& initialFolder) {
  calls.push_back(
      {Kind::ChooseFile, core::DialogIcon::None, fileName, title, initialFolder, filter, defaultExtension, open, 0});
  const auto answer = take(fileAnswers);
  if (!answer) return false;
  fileName = *answer;
  return true;
}

bool ScriptedDialogs::chooseFolder(const QString& title, const QString& initialFolder, QString& folder) {
  calls.push_back({Kind::ChooseFolder, core::DialogIcon::None, {}, title, initialFolder, {}, {}, false, 0});
  const auto answer = take(folderAnswers);
  if (!answer) return false;
  folder = *answer;
  return true;
}

}  // namespace arkwell::test
