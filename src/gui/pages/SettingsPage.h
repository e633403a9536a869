#pragma once
// The settings page: its sub-pages in a tab widget of their own. A change of
// sub-page asks the guard first and is taken back when refused.
#include <QList>
#include <functional>

#include "core/DialogService.h"
#include "core/ProgramData.h"
#include "gui/pages/Page.h"

class QLabel;
class QTabWidget;

namespace arkwell::gui {

class SettingsSubPage;
class AgentSettingsPage;
class DiskSettingsPage;
class FtpSettingsPage;
class InternetSettingsPage;
class MiscSettingsPage;
class ReportSettingsPage;
class IgnoreListSettingsPage;
class ImmediateSettingsPage;
class SchedulerSettingsPage;

class SettingsPage : public Page {
  Q_OBJECT
 public:
  enum SubPage { kAgent, kDisk, kFtp, kInternet, kMisc, kReports, kIgnore, kImmediate, kScheduler, kSubPageCount };

  SettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent = nullptr);
  void applyTexts(const text::TextTable& texts) override;
  // Every sub-page's controls from the data.
  void load();

  int currentSubPage() const;
  bool setCurrentSubPage(int index);
  void setGuard(std::function<bool(int from, int to)> guard) { guard_ = std::move(guard); }

  AgentSettingsPage* agentPage() const { return agent_; }
  DiskSettingsPage* diskPage() const { return disk_; }
  FtpSettingsPage* ftpPage() const { return ftp_; }
  InternetSettingsPage* internetPage() const { return internet_; }
  MiscSettingsPage* miscPage() const { return misc_; }
  ReportSettingsPage* reportPage() const { return reports_; }
  IgnoreListSettingsPage* ignorePage() const { return ignore_; }
  ImmediateSettingsPage* immediatePage() const { return immediate_; }
  SchedulerSettingsPage* schedulerPage() const { return scheduler_; }

 signals:
  // A sub-page's edit: the settings differ from what the agent runs with.
  void changed();
  void subPageChanged(int index);

 private:
  QLabel* title_;
  QTabWidget* tabs_;
  QList<SettingsSubPage*> pages_;
  AgentSettingsPage* agent_;
  DiskSettingsPage* disk_;
  FtpSettingsPage* ftp_;
  InternetSettingsPage* internet_;
  MiscSettingsPage* misc_;
  ReportSettingsPage* reports_;
  IgnoreListSettingsPage* ignore_;
  ImmediateSettingsPage* immediate_;
  SchedulerSettingsPage* scheduler_;
  std::function<bool(int, int)> guard_;
  int shown_ = 0;
};

}  // namespace arkwell::gui
