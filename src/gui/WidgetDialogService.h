#pragma once
// The dialog service of the window: real message boxes and file and folder
// dialogs, modal to the main window.
#include "core/DialogService.h"

class QWidget;

namespace arkwell::gui {

class WidgetDialogService : public core::DialogService {
 public:
  explicit WidgetDialogService(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }

  int ask(core::DialogIcon icon, const QString& text, int buttons) override;
  void show(core::DialogIcon icon, const QString& text) override;
  bool chooseFile(bool open, const QString& defaultExtension, const QString& filter, QString& fileName,
                  const QString& title, const QString& initialFolder) override;
  bool chooseFolder(const QString& title, const QString& initialFolder, QString& folder) override;

  // "description|pattern|description|pattern" as Qt name filters.
  static QString qtNameFilters(const QString& filter);

 private:
  QWidget* owner_;
};

}  // namespace arkwell::gui
