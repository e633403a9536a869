#include "gui/pages/NotesPage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace arkwell::gui {

NotesPage::NotesPage(core::ProgramData& data, QWidget* parent) : Page(parent), data_(data) {
  caption_ = new QLabel(QStringLiteral("Page intended for your notes. Automatically saved."), this);
  editor_ = new QPlainTextEdit(this);
  editor_->setObjectName(QStringLiteral("notesEditor"));
  connect(editor_, &QPlainTextEdit::textChanged, this, [this] { data_.notes = editor_->toPlainText(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addWidget(editor_, 1);
}

void NotesPage::applyTexts(const text::TextTable& texts) {
  caption_->setText(texts[57]);
}

void NotesPage::load() {
  editor_->setPlainText(data_.notes);
}

}  // namespace arkwell::gui
