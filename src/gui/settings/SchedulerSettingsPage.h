#pragma once
// Settings sub-page "Scheduler": the view of the weekly schedule table and
// its "Add line" / "Delete line" buttons. The owner of the schedule attaches
// the model and acts on the two signals.
#include "gui/settings/SettingsSubPage.h"

class QPushButton;
class QTableView;

namespace arkwell::gui {

class SchedulerSettingsPage : public SettingsSubPage {
  Q_OBJECT
 public:
  SchedulerSettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);

  // The schedule lives in its model; nothing to load here.
  void load() override {}
  void applyTexts(const text::TextTable& texts) override;

  QTableView* tableView() const { return table_; }
  QPushButton* addLineButton() const { return add_; }
  QPushButton* deleteLineButton() const { return delete_; }

 signals:
  void addLineRequested();
  void deleteLineRequested();

 private:
  QTableView* table_;
  QPushButton* add_;
  QPushButton* delete_;
};

}  // namespace arkwell::gui
