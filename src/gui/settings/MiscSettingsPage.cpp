#include "gui/settings/MiscSettingsPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace arkwell::gui {

MiscSettingsPage::MiscSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      languageGroup_(new QGroupBox(QStringLiteral("Select a language:"), this)),
      languages_(new QComboBox(languageGroup_)),
      shutdownGroup_(new QGroupBox(QStringLiteral("Shutdown delay (if selected):"), this)),
      shutdownDelay_(new QSpinBox(shutdownGroup_)) {
  setObjectName(QStringLiteral("miscSettingsPage"));
  setWindowTitle(QStringLiteral("Misc."));
  languageGroup_->setObjectName(QStringLiteral("languageGroup"));
  languages_->setObjectName(QStringLiteral("languageBox"));
  languages_->setEditable(false);
  languages_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  shutdownGroup_->setObjectName(QStringLiteral("shutdownDelayGroup"));
  shutdownDelay_->setObjectName(QStringLiteral("shutdownDelaySpin"));
  shutdownDelay_->setRange(5, 999999);

  auto* languageLayout = new QHBoxLayout(languageGroup_);
  languageLayout->addWidget(languages_);
  languageLayout->addStretch(1);
  auto* shutdownLayout = new QHBoxLayout(shutdownGroup_);
  shutdownLayout->addWidget(shutdownDelay_);
  shutdownLayout->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(languageGroup_);
  layout->addWidget(shutdownGroup_);
  layout->addStretch(1);

  // activated() comes only from the user, never from filling the box.
  connect(languages_, &QComboBox::activated, this, [this](int index) {
    const QString language = languages_->itemText(index);
    if (language == data_.settings.language) return;
    data_.settings.language = language;
    emit changed();
    emit languageChosen(language);
  });
  bind(shutdownDelay_, &core::Settings::shutdownDelay);
  load();
}

void MiscSettingsPage::setLanguages(const QStringList& names, const QString& current) {
  const QSignalBlocker block(languages_);
  languages_->clear();
  languages_->addItems(names);
  selectLanguage(current);
}

void MiscSettingsPage::setLanguageBoxEnabled(bool enabled) {
  languageGroup_->setEnabled(enabled);
}

void MiscSettingsPage::selectLanguage(const QString& language) {
  const QSignalBlocker block(languages_);
  languages_->setCurrentIndex(languages_->findText(language, Qt::MatchExactly));
}

void MiscSettingsPage::load() {
  selectLanguage(data_.settings.language);
  loadBound();
}

void MiscSettingsPage::applyTexts(const text::TextTable& texts) {
  setWindowTitle(texts[232]);
  languageGroup_->setTitle(texts[56]);
  languages_->setToolTip(texts[180]);
  shutdownGroup_->setTitle(texts[380]);
  shutdownDelay_->setToolTip(texts[381] + QStringLiteral("\n\r") + texts[382]);
}

}  // namespace arkwell::gui
