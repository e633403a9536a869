#include "gui/pages/ImmediateRestorePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/JobTableLayouts.h"

namespace arkwell::gui {

using Kind = TableModel::ColumnKind;

ImmediateRestorePage::ImmediateRestorePage(QWidget* parent)
    : Page(parent), versions_({{QStringLiteral("Actief"), QStringLiteral("Naam"), QString()}}) {
  grid_ = new JobGrid(core::kImmediateRestoreGrid, this);
  model_ = new TableModel(versions_, {Kind::ReadOnly, Kind::ReadOnly, Kind::ReadOnly}, this);
  grid_->setModel(model_);
  grid_->setColumnHidden(2, true);  // the version archive's name is for the restore only
  step1_ = new QLabel(QStringLiteral("1. Pick a file "), this);
  filterLabel_ = new QLabel(QStringLiteral("Show only:"), this);
  filter_ = new QLineEdit(this);
  filter_->setObjectName(QStringLiteral("versionFilterEdit"));
  filter_->setClearButtonEnabled(true);
  filterLabel_->setBuddy(filter_);
  step2_ = new QLabel(QStringLiteral("2. Click Restore"), this);
  restore_ = new QPushButton(QStringLiteral("Restore"), this);
  restore_->setObjectName(QStringLiteral("immediateRestoreButton"));

  auto* top = new QHBoxLayout;
  top->addWidget(step1_);
  top->addStretch(1);
  top->addWidget(filterLabel_);
  top->addWidget(filter_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(step2_);
  bottom->addWidget(restore_);
  bottom->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(grid_, 1);
  layout->addLayout(bottom);
}

void ImmediateRestorePage::applyTexts(const text::TextTable& texts) {
  model_->setTitles({texts[303], texts[304]});
  step1_->setText(texts[299]);
  filterLabel_->setText(texts[300]);
  step2_->setText(texts[301]);
  restore_->setText(texts[302]);
  restore_->setToolTip(texts[173]);
}

}  // namespace arkwell::gui
