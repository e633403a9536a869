#pragma once
// The numbered user-interface texts of the chosen language (0 to 382), the
// help topics and the help document, all from the language file. A text the
// file does not give reads "// missing text N //", so a lookup never fails.
#include <QString>
#include <QStringList>

#include "core/Settings.h"

namespace arkwell::text {

class TextTable {
 public:
  static constexpr int kHighestText = 382;
  static constexpr int kHelpTopicCount = 23;
  static QString placeholder(int number);

  // Fills the table from section CurrentLanguage of `languageFile`: texts 0
  // to `highest`, topics 1 to 23 and the help document, which defaults to
  // `defaultHelpFile`. Returns false when the file does not exist (every
  // text then holds its placeholder). A missing section gives placeholders
  // and empty topics.
  bool LoadTexts(const QString& languageFile, int highest, const QString& defaultHelpFile);

  // Text `number`; its placeholder when the table lacks it.
  QString text(int number) const;
  QString operator[](int number) const { return text(number); }
  const QStringList& texts() const { return texts_; }
  // Topic 1 to 23; empty when not given.
  QString helpTopic(int number) const;

  QString CurrentLanguage = core::kDefaultLanguage;
  QStringList HelpTopics;  // topic n at index n - 1
  QString HelpFilePath;

 private:
  QStringList texts_;
};

// The languages a language file offers: its section names in file order.
QStringList languageNames(const QString& languageFile);

}  // namespace arkwell::text
