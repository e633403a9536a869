#include "text/TextTable.h"

#include <QFileInfo>
#include <optional>

#include "core/CoreError.h"
#include "core/ProfileFile.h"

namespace arkwell::text {

QString TextTable::placeholder(int number) {
  return QStringLiteral("// missing text %1 //").arg(number);
}

bool TextTable::LoadTexts(const QString& languageFile, int highest, const QString& defaultHelpFile) {
  texts_.clear();
  HelpTopics = QStringList(kHelpTopicCount, QString());
  HelpFilePath = defaultHelpFile;
  for (int n = 0; n <= highest; ++n) texts_ << placeholder(n);
  if (!QFileInfo(languageFile).isFile()) return false;

  std::optional<core::ProfileFile> opened;
  try {
    opened.emplace(languageFile);
  } catch (const core::CoreError&) {
    return false;  // unreadable: as if there were none, the placeholders stay
  }
  const core::ProfileFile& file = *opened;
  if (file.keyExists(CurrentLanguage, QStringLiteral("helpfile"))) {
    HelpFilePath = QFileInfo(defaultHelpFile).path() + QLatin1Char('/') +
                   file.readString(CurrentLanguage, QStringLiteral("helpfile"));
  }
  for (int n = 1; n <= kHelpTopicCount; ++n) {
    HelpTopics[n - 1] = file.readString(CurrentLanguage, QStringLiteral("help%1").arg(n));
  }
  for (int n = 0; n <= highest; ++n) {
    texts_[n] = file.readString(CurrentLanguage, QString::number(n), placeholder(n));
  }
  return true;
}

QString TextTable::text(int number) const {
  return number >= 0 && number < texts_.size() ? texts_[number] : placeholder(number);
}

QString TextTable::helpTopic(int number) const {
  return HelpTopics.value(number - 1);
}

QStringList languageNames(const QString& languageFile) {
  try {
    return core::ProfileFile(languageFile).sectionNames();
  } catch (const core::CoreError&) {
    return {};
  }
}

}  // namespace arkwell::text
