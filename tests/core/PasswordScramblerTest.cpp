#include <gtest/gtest.h>

#include <QStringList>

#include "core/PasswordScrambler.h"

namespace arkwell::core {
namespace {

TEST(PasswordScrambler, KnownValues) {
  EXPECT_EQ(CheckValue5("616263"), "41089");
  EXPECT_EQ(CheckValue5(""), "00000");
  EXPECT_EQ(ScramblePassword("abc"), "32901686164");
  EXPECT_EQ(UnscramblePassword("32901686164"), "abc");
  EXPECT_EQ(ScramblePassword(""), "");
  EXPECT_EQ(UnscramblePassword(""), "");
}

TEST(PasswordScrambler, RoundTrips) {
  for (const QString& clear : QStringList{"x", "secret", "pässwörd €", "with blanks and ,;=[]", QString(300, 'p')}) {
    const QString scrambled = ScramblePassword(clear);
    EXPECT_NE(scrambled, clear);
    EXPECT_EQ(UnscramblePassword(scrambled), clear) << clear.toStdString();
  }
}

TEST(PasswordScrambler, DamagedTextReadsAsQuestionMarks) {
  // Every single-digit change of "abc" that breaks the check value fails.
  const QString good = "32901686164";
  int failures = 0;
  for (int i = 0; i < good.size(); ++i) {
    QString changed = good;
    changed[i] = QChar(u'0' + (good[i].digitValue() + 1) % 10);
    const QString result = UnscramblePassword(changed);
    EXPECT_TRUE(result == "??" || ScramblePassword(result) == changed) << changed.toStdString();
    failures += result == "??";
  }
  EXPECT_GT(failures, 0);
  for (const QString& bad : QStringList{"1", "1234", "123456", "abcdefghijk", "??"}) {
    EXPECT_EQ(UnscramblePassword(bad), "??") << bad.toStdString();
  }
}

}  // namespace
}  // namespace arkwell::core
