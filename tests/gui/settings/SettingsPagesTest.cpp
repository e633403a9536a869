#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "ScriptedDialogs.h"
#include "core/Settings.h"
#include "gui/settings/AgentSettingsPage.h"
#include "gui/settings/DiskSettingsPage.h"
#include "gui/settings/FolderField.h"
#include "gui/settings/FtpSettingsPage.h"
#include "gui/settings/IgnoreListSettingsPage.h"
#include "gui/settings/ImmediateSettingsPage.h"
#include "gui/settings/InternetSettingsPage.h"
#include "gui/settings/MiscSettingsPage.h"
#include "gui/settings/ReportSettingsPage.h"
#include "gui/settings/RetentionGroup.h"
#include "gui/settings/SchedulerSettingsPage.h"
#include "support/TempDir.h"
#include "text/TextTable.h"

namespace arkwell::gui {
namespace {

using test::ScriptedDialogs;

// Every sub-page over one program data, as the settings page holds them.
struct Pages {
  Pages(core::ProgramData& data, core::DialogService& dialogs)
      : agent(new AgentSettingsPage(data, dialogs, &host)),
        disk(new DiskSettingsPage(data, dialogs, &host)),
        ftp(new FtpSettingsPage(data, dialogs, &host)),
        internet(new InternetSettingsPage(data, dialogs, &host)),
        misc(new MiscSettingsPage(data, dialogs, &host)),
        reports(new ReportSettingsPage(data, dialogs, &host)),
        ignore(new IgnoreListSettingsPage(data, dialogs, &host)),
        immediate(new ImmediateSettingsPage(data, dialogs, &host)),
        scheduler(new SchedulerSettingsPage(data, dialogs, &host)) {}

  QList<SettingsSubPage*> all() const {
    return {agent, disk, ftp, internet, misc, reports, ignore, immediate, scheduler};
  }

  QWidget host;
  AgentSettingsPage* agent;
  DiskSettingsPage* disk;
  FtpSettingsPage* ftp;
  InternetSettingsPage* internet;
  MiscSettingsPage* misc;
  ReportSettingsPage* reports;
  IgnoreListSettingsPage* ignore;
  ImmediateSettingsPage* immediate;
  SchedulerSettingsPage* scheduler;
};

// Counts changed() of every page together.
struct ChangedSpies {
  explicit ChangedSpies(const Pages& pages) {
    for (SettingsSubPage* page : pages.all())
      spies.push_back(std::make_unique<QSignalSpy>(page, &SettingsSubPage::changed));
  }
  int count() const {
    int total = 0;
    for (const auto& spy : spies) total += spy->count();
    return total;
  }
  std::vector<std::unique_ptr<QSignalSpy>> spies;
};

void typeInto(QWidget* edit, const QString& text) {
  QTest::keyClicks(edit, text);
}

core::Settings sampleSettings() {
  core::Settings s;
  s.ftpMaxDays = 21;
  s.ftpMinKeep = 4;
  s.debugMode = true;
  s.systemAccount = false;
  s.serviceAccount = "backupper";
  s.servicePassword = "secret";
  s.internetAccess = 2;
  s.proxyServer = "proxy.lan:3128";
  s.proxyUserId = "ann";
  s.proxyPassword = "pw";
  s.immediateTargetDir = "/srv/versions";
  s.immediateEvery = 7;
  s.immediateRemove = 600;
  s.reportsCreate = true;
  s.reportsFileDetails = true;
  s.reportsSave = true;
  s.reportsSaveDir = "/srv/reports";
  s.reportsRemoveDays = 30;
  s.diskMaxDays = 8;
  s.diskMinKeep = 6;
  s.shutdownDelay = 120;
  s.defaultDir = "\\\\nas\\backups";
  s.runBefore = "/usr/local/bin/before.sh";
  s.runAfter = "/usr/local/bin/after.sh";
  s.mailSend = true;
  s.mailSmtp = "smtp.lan";
  s.mailFrom = "backup@lan";
  s.recipients = {"ann@lan", "bob@lan"};
  s.mailSubject = "Nightly";
  s.language = "English";
  return s;
}

TEST(SettingsPages, LoadFillsEveryControlWithoutMarkingChanged) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  Pages pages(data, dialogs);
  pages.misc->setLanguages({"Nederlands", "English"}, "Nederlands");
  ChangedSpies changed(pages);
  QSignalSpy language(pages.misc, &MiscSettingsPage::languageChosen);
  QSignalSpy access(pages.internet, &InternetSettingsPage::accessChanged);

  data.settings = sampleSettings();
  data.ignoreList.setEntries({"\\cache\\", ".bak"});
  for (SettingsSubPage* page : pages.all()) page->load();

  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(language.count(), 0);
  EXPECT_EQ(access.count(), 0);
  const core::Settings& s = data.settings;
  EXPECT_EQ(s, sampleSettings()) << "loading must not write back into the data";

  struct Expect {
    const char* control;
    QVariant shown;
    QVariant expected;
  };
  const Expect expectations[] = {
      {"default target", pages.disk->defaultTargetField()->text(), s.defaultDir},
      {"run before", pages.disk->runBeforeEdit()->text(), s.runBefore},
      {"run after", pages.disk->runAfterEdit()->text(), s.runAfter},
      {"disk remove after", pages.disk->retentionGroup()->removeAfterSpin()->value(), 8},
      {"disk min keep", pages.disk->retentionGroup()->minKeepSpin()->value(), 6},
      {"ftp remove after", pages.ftp->retentionGroup()->removeAfterSpin()->value(), 21},
      {"ftp min keep", pages.ftp->retentionGroup()->minKeepSpin()->value(), 4},
      {"proxy choice", pages.internet->accessButton(2)->isChecked(), true},
      {"direct choice", pages.internet->accessButton(1)->isChecked(), false},
      {"proxy server", pages.internet->proxyServerEdit()->text(), s.proxyServer},
      {"proxy user", pages.internet->proxyUserEdit()->text(), s.proxyUserId},
      {"proxy password", pages.internet->proxyPasswordEdit()->text(), s.proxyPassword},
      {"language", pages.misc->languageBox()->currentText(), "English"},
      {"shutdown delay", pages.misc->shutdownDelaySpin()->value(), 120},
      {"create reports", pages.reports->createReportsCheck()->isChecked(), true},
      {"file details", pages.reports->fileDetailsCheck()->isChecked(), true},
      {"save reports", pages.reports->saveReportsCheck()->isChecked(), true},
      {"report folder", pages.reports->reportFolderField()->text(), s.reportsSaveDir},
      {"report days", pages.reports->removeDaysSpin()->value(), 30},
      {"send mail", pages.reports->sendMailCheck()->isChecked(), true},
      {"smtp", pages.reports->smtpEdit()->text(), s.mailSmtp},
      {"from", pages.reports->fromEdit()->text(), s.mailFrom},
      {"to", pages.reports->recipientsEdit()->toPlainText(), "ann@lan\nbob@lan"},
      {"subject", pages.reports->subjectEdit()->text(), s.mailSubject},
      {"ignore list", pages.ignore->entryList()->count(), 2},
      {"first ignore entry", pages.ignore->entryList()->item(0)->text(), ".bak"},
      {"immediate target", pages.immediate->targetField()->text(), s.immediateTargetDir},
      {"immediate every", pages.immediate->everySpin()->value(), 7},
      {"immediate remove", pages.immediate->removeSpin()->value(), 600},
      {"debug mode", pages.agent->debugModeCheck()->isChecked(), true},
      {"system account", pages.agent->systemAccountCheck()->isChecked(), false},
      {"account", pages.agent->accountEdit()->text(), s.serviceAccount},
      {"account password", pages.agent->accountPasswordEdit()->text(), s.servicePassword},
      {"account enabled", pages.agent->accountEdit()->isEnabled(), true},
  };
  for (const Expect& e : expectations) EXPECT_EQ(e.shown, e.expected) << e.control;
}

TEST(SettingsPages, ControlsStartWithTheFirstStartValues) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  Pages pages(data, dialogs);
  EXPECT_TRUE(pages.internet->accessButton(1)->isChecked());
  EXPECT_TRUE(pages.internet->proxyGroup()->isHidden());
  EXPECT_EQ(pages.disk->retentionGroup()->removeAfterSpin()->value(), 14);
  EXPECT_EQ(pages.disk->retentionGroup()->minKeepSpin()->value(), 3);
  EXPECT_EQ(pages.immediate->everySpin()->value(), 5);
  EXPECT_EQ(pages.immediate->removeSpin()->value(), 1440);
  EXPECT_EQ(pages.reports->removeDaysSpin()->value(), 14);
  EXPECT_FALSE(pages.reports->reportFolderField()->isEnabled()) << "saving is off on a first start";
  EXPECT_EQ(pages.misc->shutdownDelaySpin()->value(), 5);
  EXPECT_TRUE(pages.agent->systemAccountCheck()->isChecked());
  EXPECT_FALSE(pages.agent->accountEdit()->isEnabled());
  EXPECT_EQ(pages.ignore->entryList()->count(), core::IgnoreList::defaultEntries().size());
}

TEST(SettingsPages, UserEditsGoIntoTheDataAndMarkChanged) {
  struct Case {
    const char* name;
    std::function<void(Pages&)> edit;
    std::function<bool(const core::Settings&)> stored;
  };
  const Case cases[] = {
      {"default target typed", [](Pages& p) { typeInto(p.disk->defaultTargetField()->lineEdit(), "/mnt/b"); },
       [](const core::Settings& s) { return s.defaultDir == "/mnt/b"; }},
      {"run before typed", [](Pages& p) { typeInto(p.disk->runBeforeEdit(), "pre.sh"); },
       [](const core::Settings& s) { return s.runBefore == "pre.sh" && s.runAfter.isEmpty(); }},
      {"run after typed", [](Pages& p) { typeInto(p.disk->runAfterEdit(), "post.sh"); },
       [](const core::Settings& s) { return s.runAfter == "post.sh" && s.runBefore.isEmpty(); }},
      {"disk age", [](Pages& p) { p.disk->retentionGroup()->removeAfterSpin()->setValue(40); },
       [](const core::Settings& s) { return s.diskMaxDays == 40 && s.ftpMaxDays == 14; }},
      {"disk minimum", [](Pages& p) { p.disk->retentionGroup()->minKeepSpin()->setValue(9); },
       [](const core::Settings& s) { return s.diskMinKeep == 9 && s.ftpMinKeep == 3; }},
      {"ftp age", [](Pages& p) { p.ftp->retentionGroup()->removeAfterSpin()->setValue(50); },
       [](const core::Settings& s) { return s.ftpMaxDays == 50 && s.diskMaxDays == 14; }},
      {"ftp minimum", [](Pages& p) { p.ftp->retentionGroup()->minKeepSpin()->setValue(0); },
       [](const core::Settings& s) { return s.ftpMinKeep == 0 && s.diskMinKeep == 3; }},
      {"no internet", [](Pages& p) { p.internet->accessButton(0)->click(); },
       [](const core::Settings& s) { return s.internetAccess == 0; }},
      {"via proxy", [](Pages& p) { p.internet->accessButton(2)->click(); },
       [](const core::Settings& s) { return s.internetAccess == 2; }},
      {"proxy server", [](Pages& p) { typeInto(p.internet->proxyServerEdit(), "px:8080"); },
       [](const core::Settings& s) { return s.proxyServer == "px:8080"; }},
      {"proxy user", [](Pages& p) { typeInto(p.internet->proxyUserEdit(), "u"); },
       [](const core::Settings& s) { return s.proxyUserId == "u"; }},
      {"proxy password", [](Pages& p) { typeInto(p.internet->proxyPasswordEdit(), "p"); },
       [](const core::Settings& s) { return s.proxyPassword == "p"; }},
      {"shutdown delay", [](Pages& p) { p.misc->shutdownDelaySpin()->setValue(60); },
       [](const core::Settings& s) { return s.shutdownDelay == 60; }},
      {"create reports", [](Pages& p) { p.reports->createReportsCheck()->click(); },
       [](const core::Settings& s) { return s.reportsCreate && !s.reportsFileDetails; }},
      {"file details", [](Pages& p) { p.reports->fileDetailsCheck()->click(); },
       [](const core::Settings& s) { return s.reportsFileDetails && !s.reportsCreate; }},
      {"save reports", [](Pages& p) { p.reports->saveReportsCheck()->click(); },
       [](const core::Settings& s) { return s.reportsSave; }},
      {"report days", [](Pages& p) { p.reports->removeDaysSpin()->setValue(3); },
       [](const core::Settings& s) { return s.reportsRemoveDays == 3; }},
      {"send mail", [](Pages& p) { p.reports->sendMailCheck()->click(); },
       [](const core::Settings& s) { return s.mailSend; }},
      {"smtp", [](Pages& p) { typeInto(p.reports->smtpEdit(), "mx"); },
       [](const core::Settings& s) { return s.mailSmtp == "mx" && s.mailFrom.isEmpty(); }},
      {"from", [](Pages& p) { typeInto(p.reports->fromEdit(), "me@x"); },
       [](const core::Settings& s) { return s.mailFrom == "me@x" && s.mailSmtp.isEmpty(); }},
      {"subject", [](Pages& p) { typeInto(p.reports->subjectEdit(), "Hi"); },
       [](const core::Settings& s) { return s.mailSubject == "Hi"; }},
      {"immediate target", [](Pages& p) { typeInto(p.immediate->targetField()->lineEdit(), "/v"); },
       [](const core::Settings& s) { return s.immediateTargetDir == "/v"; }},
      {"immediate every", [](Pages& p) { p.immediate->everySpin()->setValue(2); },
       [](const core::Settings& s) { return s.immediateEvery == 2; }},
      {"immediate remove", [](Pages& p) { p.immediate->removeSpin()->setValue(10000); },
       [](const core::Settings& s) { return s.immediateRemove == 10000; }},
      {"debug mode", [](Pages& p) { p.agent->debugModeCheck()->click(); },
       [](const core::Settings& s) { return s.debugMode; }},
      {"system account off", [](Pages& p) { p.agent->systemAccountCheck()->click(); },
       [](const core::Settings& s) { return !s.systemAccount; }},
      {"account",
       [](Pages& p) {
         p.agent->systemAccountCheck()->click();
         typeInto(p.agent->accountEdit(), "svc");
       },
       [](const core::Settings& s) { return s.serviceAccount == "svc" && s.servicePassword.isEmpty(); }},
      {"account password",
       [](Pages& p) {
         p.agent->systemAccountCheck()->click();
         typeInto(p.agent->accountPasswordEdit(), "pw");
       },
       [](const core::Settings& s) { return s.servicePassword == "pw" && s.serviceAccount.isEmpty(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    core::ProgramData data;
    ScriptedDialogs dialogs;
    Pages pages(data, dialogs);
    ChangedSpies changed(pages);
    c.edit(pages);
    EXPECT_TRUE(c.stored(data.settings));
    EXPECT_GE(changed.count(), 1);
    EXPECT_TRUE(dialogs.calls.empty());
  }
}

TEST(SettingsPages, SpinsAreLimitedToTheSettingRanges) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  Pages pages(data, dialogs);
  struct Range {
    const char* name;
    QSpinBox* spin;
    int minimum;
    int maximum;
  };
  const Range ranges[] = {
      {"disk age", pages.disk->retentionGroup()->removeAfterSpin(), 0, 1000},
      {"disk minimum", pages.disk->retentionGroup()->minKeepSpin(), 0, 365},
      {"ftp age", pages.ftp->retentionGroup()->removeAfterSpin(), 0, 1000},
      {"ftp minimum", pages.ftp->retentionGroup()->minKeepSpin(), 0, 365},
      {"shutdown delay", pages.misc->shutdownDelaySpin(), 5, 999999},
      {"report days", pages.reports->removeDaysSpin(), 1, 1000},
      {"immediate every", pages.immediate->everySpin(), 2, 1000},
      {"immediate remove", pages.immediate->removeSpin(), 10, 10000},
  };
  for (const Range& r : ranges) {
    EXPECT_EQ(r.spin->minimum(), r.minimum) << r.name;
    EXPECT_EQ(r.spin->maximum(), r.maximum) << r.name;
  }
}

TEST(SettingsPages, IgnoreListInsertAndDeleteFollowTheListRules) {
  core::ProgramData data;
  data.ignoreList.setEntries({".bak", "\\temp\\"});
  ScriptedDialogs dialogs;
  IgnoreListSettingsPage page(data, dialogs);
  QSignalSpy changed(&page, &SettingsSubPage::changed);
  auto shown = [&] {
    QStringList items;
    for (int i = 0; i < page.entryList()->count(); ++i) items << page.entryList()->item(i)->text();
    return items;
  };

  typeInto(page.entryEdit(), "  .OLD  ");
  page.insertButton()->click();
  EXPECT_EQ(data.ignoreList.entries(), QStringList({".bak", ".OLD", "\\temp\\"}));
  EXPECT_EQ(shown(), data.ignoreList.entries());
  EXPECT_EQ(page.entryList()->currentRow(), 1) << "the new entry is selected";
  EXPECT_TRUE(page.entryList()->item(1)->isSelected());
  EXPECT_EQ(changed.count(), 1);

  // Already present in another case, and blank: nothing happens.
  for (const char* refused : {"\\TEMP\\", "   "}) {
    page.entryEdit()->setText(QString::fromLatin1(refused));
    page.insertButton()->click();
    EXPECT_EQ(shown(), QStringList({".bak", ".OLD", "\\temp\\"})) << refused;
  }
  EXPECT_EQ(changed.count(), 1);

  page.entryList()->setCurrentRow(2);
  page.entryEdit()->clear();
  page.deleteButton()->click();
  EXPECT_EQ(page.entryEdit()->text(), "\\temp\\") << "the removed entry comes back for editing";
  EXPECT_EQ(data.ignoreList.entries(), QStringList({".bak", ".OLD"}));
  EXPECT_EQ(shown(), data.ignoreList.entries());
  EXPECT_EQ(changed.count(), 2);

  // Without a selection Delete does nothing.
  page.entryList()->clearSelection();
  page.entryList()->setCurrentRow(-1);
  page.deleteButton()->click();
  EXPECT_EQ(data.ignoreList.entries().size(), 2);
  EXPECT_EQ(changed.count(), 2);
}

TEST(SettingsPages, SaveReportsEnablesTheFolderAndTheAgeControls) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  ReportSettingsPage page(data, dialogs);
  const QList<QWidget*> dependent = {page.reportFolderField(), page.removeDaysSpin(), page.removeDaysLabel(),
                                     page.removeDaysUnitLabel()};
  auto enabledStates = [&] {
    QList<bool> states;
    for (QWidget* w : dependent) states << w->isEnabled();
    return states;
  };
  EXPECT_EQ(enabledStates(), QList<bool>(4, false));
  page.saveReportsCheck()->click();
  EXPECT_EQ(enabledStates(), QList<bool>(4, true));
  EXPECT_TRUE(page.createReportsCheck()->isEnabled()) << "only the folder and age follow the check box";
  page.saveReportsCheck()->click();
  EXPECT_EQ(enabledStates(), QList<bool>(4, false));

  data.settings.reportsSave = true;
  page.load();
  EXPECT_EQ(enabledStates(), QList<bool>(4, true)) << "load applies the rule too";
}

TEST(SettingsPages, ReportFolderIsCreatedWhenLeftAndNamedWhenThatFails) {
  test::TempDir dir;
  test::writeFile(dir / "file", "x");
  core::ProgramData data;
  data.settings.reportsSave = true;
  ScriptedDialogs dialogs;
  ReportSettingsPage page(data, dialogs);
  QLineEdit* edit = page.reportFolderField()->lineEdit();

  const QString good = QString::fromStdString(dir / "reports/2024");
  typeInto(edit, good);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_TRUE(QFileInfo(good).isDir());
  EXPECT_EQ(data.settings.reportsSaveDir, good);
  EXPECT_TRUE(dialogs.calls.empty());

  const QString bad = QString::fromStdString(dir / "file/reports");
  edit->clear();
  typeInto(edit, bad);
  QTest::keyClick(edit, Qt::Key_Return);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].icon, core::DialogIcon::Error);
  EXPECT_EQ(dialogs.calls[0].text, "Could not create reports-directory\n" + bad);
}

TEST(SettingsPages, DefaultTargetIsCreatedWhenLeftWithItsOwnMessage) {
  test::TempDir dir;
  test::writeFile(dir / "file", "x");
  core::ProgramData data;
  ScriptedDialogs dialogs;
  DiskSettingsPage page(data, dialogs);
  QLineEdit* edit = page.defaultTargetField()->lineEdit();
  typeInto(edit, QString::fromStdString(dir / "file/target"));
  QTest::keyClick(edit, Qt::Key_Return);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text,
            "Could not create default backupdir\n" + QString::fromStdString(dir / "file/target"));
}

TEST(SettingsPages, InternetChoiceShowsTheProxyFieldsAndTheServerAndMailGroups) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  Pages pages(data, dialogs);
  QObject::connect(pages.internet, &InternetSettingsPage::accessChanged, pages.ftp,
                   &FtpSettingsPage::setInternetAccess);
  QObject::connect(pages.internet, &InternetSettingsPage::accessChanged, pages.reports,
                   &ReportSettingsPage::setInternetAccess);
  QSignalSpy access(pages.internet, &InternetSettingsPage::accessChanged);
  struct Case {
    int choice;
    bool proxy;
    bool servers;
  };
  for (const Case c : {Case{2, true, true}, Case{0, false, false}, Case{1, false, true}}) {
    SCOPED_TRACE(c.choice);
    pages.internet->accessButton(c.choice)->click();
    EXPECT_EQ(access.takeLast().at(0).toInt(), c.choice);
    EXPECT_EQ(pages.internet->proxyGroup()->isHidden(), !c.proxy);
    EXPECT_EQ(pages.ftp->serverGroup()->isHidden(), !c.servers);
    EXPECT_EQ(pages.reports->mailGroup()->isHidden(), !c.servers);
  }

  // Loading a stored choice applies it on every page without a signal.
  data.settings.internetAccess = 0;
  for (SettingsSubPage* page : pages.all()) page->load();
  EXPECT_TRUE(access.isEmpty());
  EXPECT_TRUE(pages.internet->accessButton(0)->isChecked());
  EXPECT_TRUE(pages.ftp->serverGroup()->isHidden());
  EXPECT_TRUE(pages.reports->mailGroup()->isHidden());
  EXPECT_TRUE(pages.internet->proxyGroup()->isHidden());
  data.settings.internetAccess = 2;
  pages.internet->load();
  EXPECT_FALSE(pages.internet->proxyGroup()->isHidden());
}

TEST(SettingsPages, ApplyTextsRelabelsFromTheTextNumbers) {
  test::TempDir dir;
  std::string file = "[Nederlands]\r\n";
  for (int n = 0; n <= text::TextTable::kHighestText; ++n) {
    if (n != 342) file += std::to_string(n) + "=T" + std::to_string(n) + "\r\n";
  }
  test::writeFile(dir / "texts.lan", file);
  text::TextTable texts;
  ASSERT_TRUE(texts.LoadTexts(QString::fromStdString(dir / "texts.lan"), text::TextTable::kHighestText, {}));

  core::ProgramData data;
  ScriptedDialogs dialogs;
  Pages pages(data, dialogs);
  struct Label {
    const char* control;
    std::function<QString()> read;
    QString design;
    QString translated;
  };
  const Label labels[] = {
      {"disk tab", [&] { return pages.disk->windowTitle(); }, "Disk backup", "T229"},
      {"default target hint", [&] { return pages.disk->defaultTargetField()->lineEdit()->toolTip(); }, "", "T181"},
      {"run before", [&] { return pages.disk->findChild<QLabel*>("runBeforeLabel")->text(); },
       "Run before FULL backup:", "T330"},
      {"disk minimum trailer", [&] { return pages.disk->findChild<QLabel*>("diskMinKeepBackupsLabel")->text(); },
       "backup(s) ", "T48"},
      {"disk age hint", [&] { return pages.disk->retentionGroup()->removeAfterSpin()->toolTip(); }, "", "T178"},
      {"ftp group", [&] { return pages.ftp->serverGroup()->title(); }, "FTP-settings", "T236"},
      {"ftp down arrow hint", [&] { return pages.ftp->downButton()->toolTip(); }, "", "T324"},
      {"ftp test", [&] { return pages.ftp->testConnectionButton()->text(); }, "Test connection", "T246"},
      {"proxy choice", [&] { return pages.internet->accessButton(2)->text(); }, "Via Proxyserver", "T250"},
      {"proxy group", [&] { return pages.internet->proxyGroup()->title(); }, "Proxy for http update:", "T251"},
      {"language hint", [&] { return pages.misc->languageBox()->toolTip(); }, "", "T180"},
      {"shutdown hint", [&] { return pages.misc->shutdownDelaySpin()->toolTip(); }, "", "T381\n\rT382"},
      {"save reports", [&] { return pages.reports->saveReportsCheck()->text(); }, "Save reports to:", "T274"},
      {"report age", [&] { return pages.reports->removeDaysLabel()->text(); }, "Remove reports older then", "T332"},
      {"test mail hint", [&] { return pages.reports->testMailButton()->toolTip(); }, "", "T188"},
      {"date suffix", [&] { return pages.reports->findChild<QLabel*>("subjectDateTimeLabel")->text(); }, "+ Date/time",
       "T53"},
      {"ignore insert", [&] { return pages.ignore->insertButton()->text(); }, "Insert", "T289"},
      {"immediate target hint", [&] { return pages.immediate->targetField()->lineEdit()->toolTip(); }, "", "T325"},
      {"immediate retention hint", [&] { return pages.immediate->removeSpin()->toolTip(); }, "", "T327"},
      {"add line", [&] { return pages.scheduler->addLineButton()->text(); }, "Add line", "T315"},
      {"install", [&] { return pages.agent->installButton()->text(); }, "Install Arkwell BackupService", "T339"},
      {"service settings (text missing)",
       [&] { return pages.agent->findChild<QGroupBox*>("agentSettingsGroup")->title(); },
       "Service settings:", "// missing text 342 //"},
  };
  for (const Label& l : labels) EXPECT_EQ(l.read(), l.design) << "design caption of " << l.control;
  for (SettingsSubPage* page : pages.all()) page->applyTexts(texts);
  for (const Label& l : labels) EXPECT_EQ(l.read(), l.translated) << l.control;
}

TEST(SettingsPages, RecipientsRoundTripThroughTheSettingsFile) {
  test::TempDir dir;
  core::ProgramData data;
  ScriptedDialogs dialogs;
  ReportSettingsPage page(data, dialogs);
  QSignalSpy changed(&page, &SettingsSubPage::changed);

  page.recipientsEdit()->setPlainText("ann@lan\n\n   \nbob@lan\r\ncarl@lan\n");
  EXPECT_EQ(data.settings.recipients, QStringList({"ann@lan", "bob@lan", "carl@lan"}));
  EXPECT_GE(changed.count(), 1);

  const QString path = QString::fromStdString(dir / "settings.cfg");
  core::saveSettings(path, data.settings);
  core::ProgramData reread;
  ASSERT_TRUE(core::loadSettings(path, reread.settings, QString::fromStdString(dir / "Reports")));
  ReportSettingsPage again(reread, dialogs);
  EXPECT_EQ(again.recipientsEdit()->toPlainText(), "ann@lan\nbob@lan\ncarl@lan");
}

TEST(SettingsPages, CommandBrowseStartsAtAnExistingProgramAndStoresTheChoice) {
  test::TempDir dir;
  test::writeFile(dir / "bin/pre.sh", "#!/bin/sh\n");
  core::ProgramData data;
  data.settings.runBefore = QString::fromStdString(dir / "bin/pre.sh");
  data.settings.runAfter = "  not-there.sh ";
  ScriptedDialogs dialogs;
  DiskSettingsPage page(data, dialogs);
  QSignalSpy changed(&page, &SettingsSubPage::changed);

  dialogs.fileAnswers.push_back(QStringLiteral("/opt/tools/new-pre.sh"));
  page.findChild<QToolButton*>("runBeforeBrowseButton")->click();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  const auto& open = dialogs.calls[0];
  EXPECT_EQ(open.kind, ScriptedDialogs::Kind::ChooseFile);
  EXPECT_TRUE(open.open);
  EXPECT_EQ(open.title, "Select file");
  EXPECT_EQ(open.initialFolder, QString::fromStdString(dir / "bin"));
  EXPECT_EQ(open.text, "pre.sh");
  EXPECT_EQ(page.runBeforeEdit()->text(), "/opt/tools/new-pre.sh");
  EXPECT_EQ(data.settings.runBefore, "/opt/tools/new-pre.sh");
  EXPECT_EQ(changed.count(), 1);

  page.findChild<QToolButton*>("runAfterBrowseButton")->click();  // cancelled
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].text, "not-there.sh");
  EXPECT_TRUE(dialogs.calls[1].initialFolder.isEmpty());
  EXPECT_EQ(data.settings.runAfter, "  not-there.sh ");
  EXPECT_EQ(changed.count(), 1);
}

TEST(SettingsPages, ButtonsWithoutBehaviourHereRaiseTheirSignals) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  Pages pages(data, dialogs);
  struct Case {
    const char* name;
    QAbstractButton* button;
    std::unique_ptr<QSignalSpy> spy;
  };
  Case cases[] = {
      {"test run before", pages.disk->runBeforeTestButton(),
       std::make_unique<QSignalSpy>(pages.disk, &DiskSettingsPage::testRunBeforeRequested)},
      {"test run after", pages.disk->runAfterTestButton(),
       std::make_unique<QSignalSpy>(pages.disk, &DiskSettingsPage::testRunAfterRequested)},
      {"test mail", pages.reports->testMailButton(),
       std::make_unique<QSignalSpy>(pages.reports, &ReportSettingsPage::sendTestMailRequested)},
      {"add line", pages.scheduler->addLineButton(),
       std::make_unique<QSignalSpy>(pages.scheduler, &SchedulerSettingsPage::addLineRequested)},
      {"delete line", pages.scheduler->deleteLineButton(),
       std::make_unique<QSignalSpy>(pages.scheduler, &SchedulerSettingsPage::deleteLineRequested)},
      {"install", pages.agent->installButton(),
       std::make_unique<QSignalSpy>(pages.agent, &AgentSettingsPage::installRequested)},
      {"uninstall", pages.agent->uninstallButton(),
       std::make_unique<QSignalSpy>(pages.agent, &AgentSettingsPage::uninstallRequested)},
      {"start/stop", pages.agent->startStopButton(),
       std::make_unique<QSignalSpy>(pages.agent, &AgentSettingsPage::startStopRequested)},
  };
  ChangedSpies changed(pages);
  for (Case& c : cases) {
    c.button->click();
    for (const Case& other : cases)
      EXPECT_EQ(other.spy->count(), &other == &c ? 1 : 0) << c.name << " vs " << other.name;
    c.spy->clear();
  }
  EXPECT_EQ(changed.count(), 0);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST(SettingsPages, AccountFieldsAreEnabledOnlyWithoutTheSystemAccount) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  AgentSettingsPage page(data, dialogs);
  auto accountEnabled = [&] { return page.accountEdit()->isEnabled() && page.accountPasswordEdit()->isEnabled(); };
  auto accountDisabled = [&] { return !page.accountEdit()->isEnabled() && !page.accountPasswordEdit()->isEnabled(); };
  EXPECT_TRUE(accountDisabled());
  page.systemAccountCheck()->click();
  EXPECT_TRUE(accountEnabled());
  page.systemAccountCheck()->click();
  EXPECT_TRUE(accountDisabled());
  EXPECT_TRUE(page.accountGroup()->isHidden()) << "the account group is kept out of sight";
}

TEST(SettingsPages, PickingALanguageStoresItAndAsksForTheTexts) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  MiscSettingsPage page(data, dialogs);
  QSignalSpy changed(&page, &SettingsSubPage::changed);
  QSignalSpy chosen(&page, &MiscSettingsPage::languageChosen);
  page.setLanguages({"English", "Nederlands", "Deutsch"}, "Nederlands");
  EXPECT_FALSE(page.languageBox()->isEditable());
  EXPECT_EQ(page.languageBox()->currentText(), "Nederlands");
  EXPECT_EQ(chosen.count(), 0);

  page.languageBox()->setFocus();
  QTest::keyClick(page.languageBox(), Qt::Key_Down);
  EXPECT_EQ(page.languageBox()->currentText(), "Deutsch");
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.at(0).at(0).toString(), "Deutsch");
  EXPECT_EQ(data.settings.language, "Deutsch");
  EXPECT_EQ(changed.count(), 1);

  page.setLanguageBoxEnabled(false);
  EXPECT_FALSE(page.languageGroup()->isEnabled());
  EXPECT_FALSE(page.languageBox()->isEnabled());
}

// Parts that Qt builds inside its own widgets (the line edit of a spin box,
// the popup of a combo box, the scroll bars of a list) are not ours to name.
bool builtByQt(const QWidget* widget, const QWidget* page) {
  for (const QWidget* parent = widget->parentWidget(); parent && parent != page; parent = parent->parentWidget()) {
    if (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent) ||
        parent->inherits("QAbstractScrollArea")) {
      return true;
    }
  }
  return false;
}

// The window and the tests find the controls by name, so every control has
// one and no two sub-pages share one.
TEST(SettingsPages, EveryControlHasItsOwnName) {
  core::ProgramData data;
  ScriptedDialogs dialogs;
  Pages pages(data, dialogs);
  QSet<QString> names;
  for (SettingsSubPage* page : pages.all()) {
    EXPECT_FALSE(page->objectName().isEmpty());
    for (QWidget* w : page->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                           qobject_cast<QGroupBox*>(w) || qobject_cast<QLabel*>(w);
      if (!control || builtByQt(w, page)) continue;
      EXPECT_FALSE(w->objectName().isEmpty())
          << w->metaObject()->className() << " on " << page->objectName().toStdString() << ": "
          << (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text().toStdString() : "");
      if (w->objectName().isEmpty()) continue;
      EXPECT_FALSE(names.contains(w->objectName())) << "shared name " << w->objectName().toStdString();
      names.insert(w->objectName());
    }
  }
  EXPECT_NE(pages.disk->findChild<QLineEdit*>("defaultTargetEdit"), nullptr);
}

// The settings page shows a sub-page in about 1000 by 480 pixels of a 1024 by
// 700 window: everything must fit there without squeezing or overlapping.
TEST(SettingsPages, EveryPageFitsTheWindowWithoutOverlaps) {
  core::ProgramData data;
  data.settings.internetAccess = 2;  // every optional group shown
  data.settings.reportsSave = true;
  ScriptedDialogs dialogs;
  Pages pages(data, dialogs);
  const QSize room(1000, 480);
  for (SettingsSubPage* page : pages.all()) {
    SCOPED_TRACE(page->objectName().toStdString());
    page->setParent(nullptr);
    const QSize minimum = page->minimumSizeHint();
    EXPECT_LE(minimum.width(), room.width());
    EXPECT_LE(minimum.height(), room.height());
    page->resize(room);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
    QCoreApplication::processEvents();
    QList<QWidget*> containers = page->findChildren<QWidget*>();
    containers << page;
    for (QWidget* container : containers) {
      if (container != page && !qobject_cast<QGroupBox*>(container) && !qobject_cast<FolderField*>(container)) continue;
      QList<QWidget*> children;
      for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(page)) children << child;
      }
      for (int i = 0; i < children.size(); ++i) {
        const QWidget* a = children[i];
        const std::string aName = a->objectName().toStdString();
        EXPECT_TRUE(container->rect().contains(a->geometry())) << aName << " sticks out";
        if (qobject_cast<const QLabel*>(a) || qobject_cast<const QAbstractButton*>(a)) {
          EXPECT_GE(a->width(), a->minimumSizeHint().width()) << aName << " is cut";
        }
        for (int j = i + 1; j < children.size(); ++j) {
          EXPECT_FALSE(a->geometry().intersects(children[j]->geometry()))
              << aName << " overlaps " << children[j]->objectName().toStdString();
        }
      }
    }
    page->hide();
  }
  for (SettingsSubPage* page : pages.all()) delete page;
}

}  // namespace
}  // namespace arkwell::gui
