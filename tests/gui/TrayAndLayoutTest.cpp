// The tray icon's menu and animation, and the window's size at 1024x700.
#include <QAction>
#include <QDeadlineTimer>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "gui/PageControl.h"
#include "gui/TrayIcon.h"
#include "gui/WindowTestSupport.h"
#include "gui/pages/SettingsPage.h"

namespace arkwell::gui {
namespace {

template <typename Condition>
bool waitFor(Condition condition, int timeoutMs = 5000) {
  QDeadlineTimer deadline(timeoutMs);
  while (!condition() && !deadline.hasExpired()) QTest::qWait(10);
  return condition();
}

TEST(TrayIcon, MenuAndAnimation) {
  TrayIcon tray;
  const QList<QAction*> items = tray.menu()->actions();
  ASSERT_EQ(items.size(), 4);
  EXPECT_EQ(items[0]->text(), "Open");
  EXPECT_EQ(tray.menu()->defaultAction(), items[0]);
  EXPECT_FALSE(items[1]->isVisible()) << "the test item stays invisible";
  EXPECT_TRUE(items[2]->isSeparator());
  EXPECT_EQ(items[3]->text(), "Exit");
  QSignalSpy exit(&tray, &TrayIcon::exitRequested);
  items[3]->trigger();
  EXPECT_EQ(exit.count(), 1);

  EXPECT_EQ(tray.hint(), "Arkwell Backup (monitoring)");
  tray.startAnimation("Arkwell Backup (backup running)");
  EXPECT_TRUE(tray.isAnimating());
  EXPECT_EQ(tray.hint(), "Arkwell Backup (backup running)");
  EXPECT_TRUE(waitFor([&] { return tray.frame() == 2; })) << "a frame every 500 ms";
  tray.stopAnimation();
  EXPECT_FALSE(tray.isAnimating());
  EXPECT_EQ(tray.frame(), 0);
  EXPECT_EQ(tray.hint(), "Arkwell Backup (monitoring)");
}

using test::WindowTest;

TEST_F(WindowTest, EveryPageFitsIn1024x700) {
  installLanguageFile();
  MainWindow& w = start();
  ASSERT_TRUE(w.firstStart) << "the details panel shows too";
  for (int page = 0; page <= MainWindow::kSettingsPage; ++page) {
    ASSERT_TRUE(w.pageControl()->setCurrentPage(page));
    const QSize needed = w.minimumSizeHint();
    EXPECT_LE(needed.width(), 1024) << "page " << page;
    EXPECT_LE(needed.height(), 700) << "page " << page;
  }
  for (int sub = 0; sub < SettingsPage::kSubPageCount; ++sub) {
    w.settingsPage()->setCurrentSubPage(sub);
    const QSize needed = w.minimumSizeHint();
    EXPECT_LE(needed.width(), 1024) << "settings sub-page " << sub;
    EXPECT_LE(needed.height(), 700) << "settings sub-page " << sub;
  }
}

}  // namespace
}  // namespace arkwell::gui
