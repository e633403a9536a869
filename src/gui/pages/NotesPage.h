#pragma once
// The notes page: free text kept in the notes file, saved with the settings.
#include "core/ProgramData.h"
#include "gui/pages/Page.h"

class QLabel;
class QPlainTextEdit;

namespace arkwell::gui {

class NotesPage : public Page {
  Q_OBJECT
 public:
  explicit NotesPage(core::ProgramData& data, QWidget* parent = nullptr);
  void applyTexts(const text::TextTable& texts) override;
  void load();  // the notes into the editor
  QPlainTextEdit* editor() const { return editor_; }

 private:
  core::ProgramData& data_;
  QLabel* caption_;
  QPlainTextEdit* editor_;
};

}  // namespace arkwell::gui
