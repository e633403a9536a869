#pragma once
// A folder path edit with a "..." button that opens the folder picker. Network
// folders are kept as typed or chosen; only the picker's start folder is
// mapped to a local path. Optionally the folder is created when the user
// leaves a non-blank edit.
#include <QString>
#include <QWidget>

#include "core/DialogService.h"

class QLineEdit;
class QToolButton;

namespace arkwell::gui {

class FolderField : public QWidget {
  Q_OBJECT
 public:
  // `role` names the controls: role + "Field" (this), role + "Edit", role + "BrowseButton".
  FolderField(core::DialogService& dialogs, const QString& role, QWidget* parent = nullptr);

  QLineEdit* lineEdit() const { return edit_; }
  QToolButton* browseButton() const { return browse_; }

  QString text() const;
  // Sets the text without emitting edited().
  void setText(const QString& text);

  // Leaving the edit with a non-blank value then creates the folder with all
  // parents; when that fails an error box shows `failureMessage` (or "Could
  // not create") followed by the folder.
  void setCreateOnLeave(bool create, const QString& failureMessage = {});

  // Opens the folder picker as the "..." button does.
  void browse();
  // Creates the folder named by the trimmed text as leaving the edit does;
  // false (after the error box) when that fails.
  bool createFolder();

 signals:
  // The user typed or picked a folder.
  void edited();

 private:
  core::DialogService& dialogs_;
  QLineEdit* edit_;
  QToolButton* browse_;
  bool createOnLeave_ = false;
  QString failureMessage_;
  bool reporting_ = false;
};

}  // namespace arkwell::gui
