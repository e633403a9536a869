#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "ScriptedDialogs.h"
#include "core/UncPath.h"
#include "gui/settings/FolderField.h"
#include "support/TempDir.h"

namespace arkwell::gui {
namespace {

using test::ScriptedDialogs;

QString qpath(const test::TempDir& dir, const std::string& relative) {
  return QString::fromStdString(dir / relative);
}

// Types into the edit and presses Return: the user leaving the field.
void typeAndLeave(FolderField& field, const QString& text) {
  field.lineEdit()->clear();
  QTest::keyClicks(field.lineEdit(), text);
  QTest::keyClick(field.lineEdit(), Qt::Key_Return);
}

TEST(FolderField, PickerStartsAtTheMappedTrimmedTextAndStoresTheChoiceAsChosen) {
  ScriptedDialogs dialogs;
  FolderField field(dialogs, QStringLiteral("target"));
  QSignalSpy edited(&field, &FolderField::edited);
  EXPECT_EQ(field.objectName(), "targetField");
  EXPECT_EQ(field.lineEdit()->objectName(), "targetEdit");
  EXPECT_EQ(field.browseButton()->objectName(), "targetBrowseButton");

  // A local path is its own start folder; blanks around it are not part of it.
  field.setText(QStringLiteral("  /srv/backups  "));
  dialogs.folderAnswers.push_back(QStringLiteral("\\\\nas\\share\\backups"));
  field.browseButton()->click();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, ScriptedDialogs::Kind::ChooseFolder);
  EXPECT_EQ(dialogs.calls[0].title, "Select");
  EXPECT_EQ(dialogs.calls[0].initialFolder, "/srv/backups");
  EXPECT_EQ(field.text(), "\\\\nas\\share\\backups") << "a network folder is kept in the form chosen";
  EXPECT_EQ(edited.count(), 1);

  // A network folder starts the picker where its share is mounted (nowhere
  // when it is not), never at the raw network name.
  field.setText(QStringLiteral(" \\\\nas\\share\\backups "));
  field.browse();
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].initialFolder, core::UncToDrivePath(QStringLiteral("\\\\nas\\share\\backups")));
  EXPECT_NE(dialogs.calls[1].initialFolder, "\\\\nas\\share\\backups");
  EXPECT_EQ(field.text(), " \\\\nas\\share\\backups ") << "Cancel leaves the text";
  EXPECT_EQ(edited.count(), 1);
}

TEST(FolderField, LeavingTheEditCreatesTheFolderOrNamesItInTheError) {
  test::TempDir dir;
  test::writeFile(dir / "plain.txt", "not a folder");
  struct Case {
    const char* name;
    QString typed;
    bool createOnLeave;
    QString expectedFolder;  // empty: nothing may be created
    bool fails;
  };
  const Case cases[] = {
      {"nested new folder", qpath(dir, "a/b/c"), true, qpath(dir, "a/b/c"), false},
      {"blanks around the path", "  " + qpath(dir, "spaced") + "  ", true, qpath(dir, "spaced"), false},
      {"existing folder", QString::fromStdString(dir.path()), true, QString::fromStdString(dir.path()), false},
      {"below a regular file", qpath(dir, "plain.txt/sub"), true, {}, true},
      {"blank text", QStringLiteral("   "), true, {}, false},
      {"creation not asked for", qpath(dir, "untouched"), false, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    FolderField field(dialogs, QStringLiteral("reports"));
    field.setCreateOnLeave(c.createOnLeave, QStringLiteral("Could not create reports-directory"));
    typeAndLeave(field, c.typed);
    if (!c.expectedFolder.isEmpty()) {
      EXPECT_TRUE(QFileInfo(c.expectedFolder).isDir());
    }
    if (c.fails) {
      ASSERT_EQ(dialogs.calls.size(), 1u);
      EXPECT_EQ(dialogs.calls[0].kind, ScriptedDialogs::Kind::Show);
      EXPECT_EQ(dialogs.calls[0].icon, core::DialogIcon::Error);
      EXPECT_EQ(dialogs.calls[0].text, "Could not create reports-directory\n" + c.typed.trimmed());
    } else {
      EXPECT_TRUE(dialogs.calls.empty());
    }
  }
  EXPECT_FALSE(QFileInfo::exists(qpath(dir, "untouched")));
}

TEST(FolderField, WithoutAGivenMessageTheErrorStillNamesTheFolder) {
  test::TempDir dir;
  test::writeFile(dir / "file", "x");
  ScriptedDialogs dialogs;
  FolderField field(dialogs, QStringLiteral("target"));
  field.setCreateOnLeave(true);
  field.setText(qpath(dir, "file/sub"));
  EXPECT_FALSE(field.createFolder());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_TRUE(dialogs.calls[0].text.startsWith("Could not create")) << dialogs.calls[0].text.toStdString();
  EXPECT_TRUE(dialogs.calls[0].text.endsWith(qpath(dir, "file/sub"))) << dialogs.calls[0].text.toStdString();
}

}  // namespace
}  // namespace arkwell::gui
