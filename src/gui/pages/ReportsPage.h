#pragma once
// The Reports page: the last finished report, or the newest saved one, in a
// read-only viewer with its file name above; "Ander bestand..." opens any
// other report file.
#include <QStringList>
#include <functional>

#include "core/DialogService.h"
#include "gui/pages/Page.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace arkwell::gui {

class ReportsPage : public Page {
  Q_OBJECT
 public:
  using MessageFn = std::function<void(core::DialogIcon, const QString&)>;
  // `reportFolder` gives the current report folder setting; `message` shows
  // a report that cannot be read.
  ReportsPage(core::DialogService& dialogs, std::function<QString()> reportFolder, MessageFn message,
              QWidget* parent = nullptr);
  void applyTexts(const text::TextTable& texts) override;

  void showReport(const QStringList& lines, const QString& name);
  // Shows the newest saved report of the report folder; nothing when none.
  void LoadLaatsteReport();
  // Loads `path` into the viewer; a file that cannot be read is reported.
  bool loadReportFile(const QString& path);
  // "Ander bestand...": pick a report file and show it.
  void openOtherReport();

  QString shownName() const;
  QString shownText() const;
  QPushButton* otherFileButton() const { return otherFile_; }

 private:
  core::DialogService& dialogs_;
  std::function<QString()> reportFolder_;
  MessageFn message_;
  QLabel* name_;
  QPlainTextEdit* viewer_;
  QPushButton* otherFile_;
};

}  // namespace arkwell::gui
