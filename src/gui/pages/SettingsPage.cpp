#include "gui/pages/SettingsPage.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/settings/AgentSettingsPage.h"
#include "gui/settings/DiskSettingsPage.h"
#include "gui/settings/FtpSettingsPage.h"
#include "gui/settings/IgnoreListSettingsPage.h"
#include "gui/settings/ImmediateSettingsPage.h"
#include "gui/settings/InternetSettingsPage.h"
#include "gui/settings/MiscSettingsPage.h"
#include "gui/settings/ReportSettingsPage.h"
#include "gui/settings/SchedulerSettingsPage.h"

namespace arkwell::gui {

namespace {

// Tab caption of each sub-page: design caption and text number (-1: none).
struct SubPageCaption {
  const char* design;
  int text;
};
constexpr SubPageCaption kCaptions[SettingsPage::kSubPageCount] = {
    {"NT-Service", -1}, {"Disk backup", 229}, {"FTP backup", 230},       {"Internet", 231},  {"Misc.", 232},
    {"Reports", 235},   {"Ignore", 286},      {"Immediate backup", 317}, {"Scheduler", 306},
};

}  // namespace

SettingsPage::SettingsPage(core::ProgramData& data, core::DialogService& dialogs, QWidget* parent) : Page(parent) {
  setObjectName(QStringLiteral("settingsPage"));
  title_ = new QLabel(this);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("settingsTabs"));
  agent_ = new AgentSettingsPage(data, dialogs, this);
  disk_ = new DiskSettingsPage(data, dialogs, this);
  ftp_ = new FtpSettingsPage(data, dialogs, this);
  internet_ = new InternetSettingsPage(data, dialogs, this);
  misc_ = new MiscSettingsPage(data, dialogs, this);
  reports_ = new ReportSettingsPage(data, dialogs, this);
  ignore_ = new IgnoreListSettingsPage(data, dialogs, this);
  immediate_ = new ImmediateSettingsPage(data, dialogs, this);
  scheduler_ = new SchedulerSettingsPage(data, dialogs, this);
  pages_ = {agent_, disk_, ftp_, internet_, misc_, reports_, ignore_, immediate_, scheduler_};
  for (int i = 0; i < kSubPageCount; ++i) {
    tabs_->addTab(pages_[i], QString::fromLatin1(kCaptions[i].design));
    connect(pages_[i], &SettingsSubPage::changed, this, &SettingsPage::changed);
  }
  // The internet choice hides what needs the internet on other sub-pages.
  connect(internet_, &InternetSettingsPage::accessChanged, ftp_, &FtpSettingsPage::setInternetAccess);
  connect(internet_, &InternetSettingsPage::accessChanged, reports_, &ReportSettingsPage::setInternetAccess);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int to) {
    if (to == shown_) return;
    if (guard_ && !guard_(shown_, to)) {
      const QSignalBlocker block(tabs_);
      tabs_->setCurrentIndex(shown_);
      return;
    }
    shown_ = to;
    emit subPageChanged(to);
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addWidget(tabs_, 1);
}

void SettingsPage::applyTexts(const text::TextTable& texts) {
  title_->setText(texts[11]);
  for (int i = 0; i < kSubPageCount; ++i) {
    if (kCaptions[i].text >= 0) tabs_->setTabText(i, texts[kCaptions[i].text]);
    pages_[i]->applyTexts(texts);
  }
}

void SettingsPage::load() {
  for (SettingsSubPage* page : pages_) page->load();
}

int SettingsPage::currentSubPage() const {
  return shown_;
}

bool SettingsPage::setCurrentSubPage(int index) {
  tabs_->setCurrentIndex(index);
  return shown_ == index;
}

}  // namespace arkwell::gui
