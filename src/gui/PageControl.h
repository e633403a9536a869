#pragma once
// The main page control: tabs for the first pages, and pages without a tab
// (the settings page) reached only through setCurrentPage(). Every change
// asks the guard first, whether it comes from a click, the keyboard or code.
#include <QWidget>
#include <functional>

class QHBoxLayout;
class QStackedWidget;
class QTabBar;

namespace arkwell::gui {

class PageControl : public QWidget {
  Q_OBJECT
 public:
  explicit PageControl(QWidget* parent = nullptr);

  // Pages added with a tab come first, in order; then pages without one.
  int addPage(QWidget* page, const QString& tabCaption);
  int addPageWithoutTab(QWidget* page);

  int currentPage() const;
  // Asks the guard (from, to); true when the page is now `index`.
  bool setCurrentPage(int index);
  void setGuard(std::function<bool(int from, int to)> guard) { guard_ = std::move(guard); }

  // A widget beside the pages, below the tabs (the details panel), so the
  // tabs keep the whole width.
  void setSideWidget(QWidget* widget);

  QTabBar* tabBar() const { return tabs_; }
  void setTabCaption(int index, const QString& caption);
  void setTabsEnabled(bool enabled);

 signals:
  void pageChanged(int from, int to);

 private:
  void onTabChosen(int index);
  // Shows `index` as the current tab (pages without a tab leave it as it is).
  void markTab(int index);

  QTabBar* tabs_;
  QStackedWidget* stack_;
  QHBoxLayout* body_;
  std::function<bool(int, int)> guard_;
};

}  // namespace arkwell::gui
