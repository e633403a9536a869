#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/ProfileFile.h"
#include "support/TempDir.h"
#include "text/TextTable.h"

namespace arkwell::text {
namespace {

QString writeLanguageFile(const test::TempDir& dir, const std::string& text) {
  test::writeFile(dir / "arkwellbackup.lan", text);
  return QString::fromStdString(dir / "arkwellbackup.lan");
}

TEST(TextTable, LoadsTheChosenSectionWithPlaceholdersForGaps) {
  test::TempDir dir;
  const QString file = writeLanguageFile(dir,
                                         "[English]\nhelpfile=english.rtf\nhelp10=BackupToDisk\n8=Backup to disk\n"
                                         "13=Remove\n382=last\n"
                                         "[Nederlands]\nhelpfile=nl.rtf\nhelp13=BackupToFtp\n8=Backup naar schijf\n"
                                         "12=" +
                                             std::string(3000, 'n') + "\n");
  const QString defaultHelp = QString::fromStdString(dir / "data/arkwellbackuphelp.rtf");
  TextTable table;
  ASSERT_TRUE(table.LoadTexts(file, TextTable::kHighestText, defaultHelp));
  EXPECT_EQ(table.texts().size(), 383);
  EXPECT_EQ(table.CurrentLanguage, "Nederlands");
  EXPECT_EQ(table[8], "Backup naar schijf");
  EXPECT_EQ(table[12].size(), 2047) << "a long text is cut, not refused";
  EXPECT_EQ(table[13], "// missing text 13 //");
  EXPECT_EQ(table.HelpFilePath, QString::fromStdString(dir / "data/nl.rtf"));
  EXPECT_EQ(table.helpTopic(13), "BackupToFtp");
  EXPECT_EQ(table.helpTopic(10), "");

  table.CurrentLanguage = "English";
  ASSERT_TRUE(table.LoadTexts(file, TextTable::kHighestText, defaultHelp));
  EXPECT_EQ(table[8], "Backup to disk");
  EXPECT_EQ(table[382], "last");
  EXPECT_EQ(table.helpTopic(10), "BackupToDisk");
  EXPECT_EQ(languageNames(file), QStringList({"English", "Nederlands"})) << "file order";
}

TEST(TextTable, MissingSectionKeyOrFile) {
  test::TempDir dir;
  const QString defaultHelp = QString::fromStdString(dir / "arkwellbackuphelp.rtf");
  const QString file = writeLanguageFile(dir, "[English]\n8=Backup\n");
  TextTable table;
  table.CurrentLanguage = "Deutsch";
  EXPECT_TRUE(table.LoadTexts(file, TextTable::kHighestText, defaultHelp));
  EXPECT_EQ(table[8], "// missing text 8 //");
  EXPECT_EQ(table.HelpFilePath, defaultHelp);
  EXPECT_EQ(table.HelpTopics, QStringList(23, QString()));

  table.CurrentLanguage = "English";
  EXPECT_FALSE(table.LoadTexts(QString::fromStdString(dir / "none.lan"), TextTable::kHighestText, defaultHelp));
  EXPECT_EQ(table[8], "// missing text 8 //");
  EXPECT_EQ(table[500], "// missing text 500 //") << "a lookup never fails";
  EXPECT_EQ(table.HelpFilePath, defaultHelp);
  EXPECT_TRUE(languageNames(QString::fromStdString(dir / "none.lan")).isEmpty());
}

TEST(ShippedLanguageFile, BothLanguagesGiveEveryTextAndHelpTopic) {
  const QString file = QStringLiteral(ARKWELL_SHIPPED_LANGUAGE_FILE);
  ASSERT_EQ(languageNames(file), QStringList({"Nederlands", "English"}));
  const QRegularExpression identifier("^[A-Za-z][A-Za-z0-9]*$");
  TextTable dutch;
  ASSERT_TRUE(dutch.LoadTexts(file, TextTable::kHighestText, "/x/arkwellbackuphelp.rtf"));
  EXPECT_EQ(dutch.HelpFilePath, "/x/arkwellbackuphelp_NL.rtf");
  TextTable english;
  english.CurrentLanguage = "English";
  ASSERT_TRUE(english.LoadTexts(file, TextTable::kHighestText, "/x/arkwellbackuphelp.rtf"));
  EXPECT_EQ(english.HelpFilePath, "/x/arkwellbackuphelp.rtf");
  for (const TextTable* table : {&dutch, &english}) {
    for (int n = 0; n <= TextTable::kHighestText; ++n) {
      EXPECT_FALSE(table->text(n).trimmed().isEmpty()) << table->CurrentLanguage.toStdString() << " text " << n;
      EXPECT_NE(table->text(n), TextTable::placeholder(n)) << table->CurrentLanguage.toStdString() << " text " << n;
    }
    for (int topic = 1; topic <= TextTable::kHelpTopicCount; ++topic) {
      EXPECT_TRUE(identifier.match(table->helpTopic(topic)).hasMatch()) << "topic " << topic;
    }
  }
  EXPECT_EQ(dutch.HelpTopics, english.HelpTopics) << "one set of bookmarks in both help documents";
  EXPECT_NE(dutch[8], english[8]);
}

}  // namespace
}  // namespace arkwell::text
