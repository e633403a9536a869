#include "disk/ScriptedHost.h"

namespace arkwell::test {

ScriptedHost::ScriptedHost() {
  textTable.CurrentLanguage = QStringLiteral("English");
  textTable.LoadTexts(QStringLiteral(ARKWELL_SHIPPED_LANGUAGE_FILE), text::TextTable::kHighestText, QString());
}

void ScriptedHost::EndReport() {
  finishedReports.push_back(report_.lines());
  report_.discard();
}

}  // namespace arkwell::test
