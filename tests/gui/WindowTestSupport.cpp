#include "gui/WindowTestSupport.h"

#include <QDir>
#include <QFile>

namespace arkwell::test {

void WindowTest::TearDown() {
  if (window) {
    window->SettingsChanged = false;
    window->close();
    window.reset();
  }
}

QString WindowTest::dataFolder() const {
  return QString::fromStdString(dir / "appdata/arkwellbackup");
}

QString WindowTest::dataFile(const char* name) const {
  return dataFolder() + QLatin1Char('/') + QLatin1String(name);
}

void WindowTest::installLanguageFile() {
  QDir().mkpath(dataFolder());
  QFile::remove(dataFile("arkwellbackup.lan"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(ARKWELL_SHIPPED_LANGUAGE_FILE), dataFile("arkwellbackup.lan")));
}

void WindowTest::writeDataFile(const char* name, const QString& text) {
  writeFile(dataFile(name).toStdString(), text.toStdString());
}

gui::MainWindow& WindowTest::start(const QStringList& arguments, bool show) {
  window = std::make_unique<gui::MainWindow>(dialogs, arguments);
  if (show) window->show();
  return *window;
}

QStringList WindowTest::shownMessages() const {
  QStringList texts;
  for (const ScriptedDialogs::Call& call : dialogs.calls) {
    if (call.kind == ScriptedDialogs::Kind::Show || call.kind == ScriptedDialogs::Kind::Ask) texts << call.text;
  }
  return texts;
}

}  // namespace arkwell::test
