#pragma once
// A run host for run tests: records what a run shows, answers dialogs from a
// script, keeps finished reports, and lets a test act inside pumpMessages().
#include <QMap>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/ProgramData.h"
#include "core/RunHost.h"
#include "gui/settings/ScriptedDialogs.h"
#include "report/RunReport.h"
#include "text/TextTable.h"

namespace arkwell::test {

class ScriptedHost : public core::RunHost {
 public:
  // Texts come from the shipped language file, in English.
  ScriptedHost();

  QMap<core::DetailField, QString> details;
  QStringList statusPanes = QStringList(4, QString());
  ScriptedDialogs dialogService;
  bool commandLine = false;
  int locks = 0;
  int releases = 0;
  int saves = 0;
  int archiveRefreshes = 0;
  bool abortEnabled = false;
  bool animating = false;
  QMap<core::RunKind, bool> busy;
  std::vector<QStringList> finishedReports;
  std::function<void()> onPump;  // runs inside pumpMessages()
  text::TextTable textTable;

  void setDetail(core::DetailField field, const QString& value) override { details[field] = value; }
  void setProgress(int, int) override {}
  void setStatusPane(int pane, const QString& text) override { statusPanes[pane] = text; }
  core::DialogService& dialogs() override { return dialogService; }
  bool commandLineMode() const override { return commandLine; }
  void showMessage(core::DialogIcon icon, const QString& text) override {
    if (!commandLine) dialogService.show(icon, text);
  }
  void pumpMessages() override {
    if (onPump) onPump();
  }
  void lockRun() override { ++locks; }
  void releaseRun() override { ++releases; }
  void setAbortEnabled(bool enabled) override { abortEnabled = enabled; }
  void setRunBusy(core::RunKind kind, bool isBusy) override { busy[kind] = isBusy; }
  bool runBusy(core::RunKind kind) const override { return busy.value(kind); }
  void startRunAnimation(const QString&) override { animating = true; }
  void stopRunAnimation() override { animating = false; }
  report::RunReport& report() override { return report_; }
  void EndReport() override;
  void SaveAllSettings() override { ++saves; }
  void diskArchivesChanged() override { ++archiveRefreshes; }
  const text::TextTable& texts() const override { return textTable; }

  // The last finished report.
  QStringList lastReport() const { return finishedReports.empty() ? QStringList() : finishedReports.back(); }

 private:
  report::RunReport report_;
};

}  // namespace arkwell::test
