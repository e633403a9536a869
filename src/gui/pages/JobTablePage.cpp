#include "gui/pages/JobTablePage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace arkwell::gui {

namespace {

QPushButton* button(const char* objectName, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(QLatin1String(objectName));
  return b;
}

}  // namespace

JobTablePage::JobTablePage(core::Table& table, const core::TableLayout& tableLayout, QWidget* parent)
    : Page(parent), layout_(tableLayout) {
  grid_ = new JobGrid(tableLayout.gridName, this);
  model_ = new TableModel(table, tableLayout, this);
  grid_->setModel(model_);
  remove_ = button("removeJobButton", "Remove", this);
  add_ = button("addJobButton", "Add", this);
  all_ = button("allJobsButton", "&All", this);
  none_ = button("noJobsButton", "&No", this);
  full_ = button("fullButton", "Full", this);
  incremental_ = button("incrButton", "Incr", this);

  auto* editRow = new QHBoxLayout;
  editRow->addWidget(add_);
  editRow->addWidget(remove_);
  editRow->addSpacing(12);
  editRow->addWidget(all_);
  editRow->addWidget(none_);
  editRow->addStretch(1);
  editRow->addWidget(full_);
  editRow->addWidget(incremental_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(editRow);
}

void JobTablePage::applyTexts(const text::TextTable& texts) {
  model_->setTitles(layout_.titleTexts, texts);
  remove_->setText(texts[13]);
  remove_->setToolTip(texts[161]);
  add_->setText(texts[14]);
  add_->setToolTip(texts[162]);
  all_->setText(texts[21]);
  all_->setToolTip(texts[168]);
  none_->setText(texts[22]);
  none_->setToolTip(texts[169]);
  full_->setText(texts[23]);
  full_->setToolTip(texts[170]);
  incremental_->setText(texts[24]);
  incremental_->setToolTip(texts[171]);
}

}  // namespace arkwell::gui
