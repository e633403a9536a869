#include "gui/PageControl.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace arkwell::gui {

PageControl::PageControl(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pageControl"));
  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QStringLiteral("pageTabs"));
  tabs_->setExpanding(false);
  tabs_->setDrawBase(true);
  stack_ = new QStackedWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tabs_);
  body_ = new QHBoxLayout;
  body_->addWidget(stack_, 1);
  layout->addLayout(body_, 1);
  connect(tabs_, &QTabBar::currentChanged, this, &PageControl::onTabChosen);
  // A click on the tab already marked (while a page without a tab shows) must still switch.
  connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
    if (index >= 0 && index == tabs_->currentIndex() && index != currentPage()) setCurrentPage(index);
  });
}

void PageControl::setSideWidget(QWidget* widget) {
  body_->addWidget(widget);
}

int PageControl::addPage(QWidget* page, const QString& tabCaption) {
  const int index = stack_->addWidget(page);
  const QSignalBlocker block(tabs_);
  tabs_->addTab(tabCaption);
  return index;
}

int PageControl::addPageWithoutTab(QWidget* page) {
  return stack_->addWidget(page);
}

int PageControl::currentPage() const {
  return stack_->currentIndex();
}

bool PageControl::setCurrentPage(int index) {
  const int from = currentPage();
  if (index < 0 || index >= stack_->count()) return false;
  if (index != from && guard_ && !guard_(from, index)) {
    markTab(from);
    return false;
  }
  stack_->setCurrentIndex(index);
  markTab(index);
  if (index != from) emit pageChanged(from, index);
  return true;
}

void PageControl::markTab(int index) {
  const QSignalBlocker block(tabs_);
  if (index < tabs_->count()) tabs_->setCurrentIndex(index);
}

void PageControl::setTabCaption(int index, const QString& caption) {
  tabs_->setTabText(index, caption);
}

void PageControl::setTabsEnabled(bool enabled) {
  for (int i = 0; i < tabs_->count(); ++i) tabs_->setTabEnabled(i, enabled);
}

void PageControl::onTabChosen(int index) {
  if (index != currentPage()) setCurrentPage(index);
}

}  // namespace arkwell::gui
