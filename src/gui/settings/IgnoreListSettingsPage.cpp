#include "gui/settings/IgnoreListSettingsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace arkwell::gui {

IgnoreListSettingsPage::IgnoreListSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent)
    : SettingsSubPage(data, dialogs, parent),
      group_(new QGroupBox(QStringLiteral("Do NOT backup files containing:"), this)),
      list_(new QListWidget(group_)),
      entry_(new QLineEdit(group_)),
      insert_(new QPushButton(QStringLiteral("Insert"), group_)),
      delete_(new QPushButton(QStringLiteral("Delete"), group_)) {
  setObjectName(QStringLiteral("ignoreListSettingsPage"));
  setWindowTitle(QStringLiteral("Ignore"));
  group_->setObjectName(QStringLiteral("ignoreListGroup"));
  list_->setObjectName(QStringLiteral("ignoreList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  entry_->setObjectName(QStringLiteral("ignoreEntryEdit"));
  insert_->setObjectName(QStringLiteral("ignoreInsertButton"));
  delete_->setObjectName(QStringLiteral("ignoreDeleteButton"));

  auto* grid = new QGridLayout(group_);
  grid->addWidget(list_, 0, 0);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(delete_);
  buttons->addStretch(1);
  grid->addLayout(buttons, 0, 1);
  grid->addWidget(entry_, 1, 0);
  grid->addWidget(insert_, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group_);

  connect(insert_, &QPushButton::clicked, this, &IgnoreListSettingsPage::insertEntry);
  connect(entry_, &QLineEdit::returnPressed, this, &IgnoreListSettingsPage::insertEntry);
  connect(delete_, &QPushButton::clicked, this, &IgnoreListSettingsPage::deleteSelectedEntry);
  load();
}

void IgnoreListSettingsPage::insertEntry() {
  const int index = data_.ignoreList.insert(entry_->text());
  if (index < 0) return;
  list_->insertItem(index, data_.ignoreList.entries().at(index));
  list_->setCurrentRow(index);
  emit changed();
}

void IgnoreListSettingsPage::deleteSelectedEntry() {
  const int index = list_->currentRow();
  if (index < 0 || !list_->item(index)->isSelected()) return;
  entry_->setText(data_.ignoreList.removeAt(index));
  delete list_->takeItem(index);
  emit changed();
}

void IgnoreListSettingsPage::load() {
  list_->clear();
  list_->addItems(data_.ignoreList.entries());
}

void IgnoreListSettingsPage::applyTexts(const text::TextTable& texts) {
  setWindowTitle(texts[286]);
  group_->setTitle(texts[287]);
  delete_->setText(texts[288]);
  insert_->setText(texts[289]);
}

}  // namespace arkwell::gui
