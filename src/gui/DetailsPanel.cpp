#include "gui/DetailsPanel.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace arkwell::gui {

namespace {

using core::DetailField;

struct FieldText {
  DetailField field;
  const char* objectName;
  const char* design;
  int text;  // -1: the caption has no text number
};

// In display order; Result is shown by the progress panel.
constexpr FieldText kFields[] = {
    {DetailField::Action, "actionValue", "Action:", 260},
    {DetailField::ToFrom, "toFromValue", "To/From:", 219},
    {DetailField::Mode, "modeValue", "Mode:", -1},
    {DetailField::JobsDone, "jobsDoneValue", "Jobs done:", 220},
    {DetailField::TotalFiles, "totalFilesValue", "Total files:", 221},
    {DetailField::TotalBytes, "totalBytesValue", "Total bytes:", 222},
    {DetailField::Time, "timeValue", "Time:", 223},
    {DetailField::CurrentBackup, "currentBackupValue", "Current backup:", 225},
    {DetailField::Status, "statusValue", "Status:", 226},
    {DetailField::CurrentFile, "currentFileValue", "Current file:", 227},
};

const QString kNoValue = QStringLiteral("-");

}  // namespace

DetailsPanel::DetailsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("detailsPanel"));
  group_ = new QGroupBox(QStringLiteral("Details:"), this);
  auto* form = new QFormLayout(group_);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  for (const FieldText& f : kFields) {
    const auto i = static_cast<size_t>(f.field);
    captions_[i] = new QLabel(QString::fromLatin1(f.design), group_);
    values_[i] = new QLabel(kNoValue, group_);
    values_[i]->setObjectName(QLatin1String(f.objectName));
    values_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path must not widen the window.
    values_[i]->setMinimumWidth(1);
    values_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    form->addRow(captions_[i], values_[i]);
  }
  jobProgressCaption_ = new QLabel(group_);
  jobProgress_ = new QProgressBar(group_);
  jobProgress_->setObjectName(QStringLiteral("jobProgress"));
  jobProgress_->setRange(0, 100);
  jobProgress_->setValue(0);
  form->addRow(jobProgressCaption_, jobProgress_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(group_);
}

void DetailsPanel::setValue(DetailField field, const QString& value) {
  if (QLabel* label = values_[static_cast<size_t>(field)]) label->setText(value);
}

QString DetailsPanel::value(DetailField field) const {
  const QLabel* label = values_[static_cast<size_t>(field)];
  return label ? label->text() : QString();
}

void DetailsPanel::resetValues() {
  for (QLabel* label : values_) {
    if (label) label->setText(kNoValue);
  }
}

void DetailsPanel::applyTexts(const text::TextTable& texts) {
  group_->setTitle(texts[218]);
  for (const FieldText& f : kFields) {
    if (f.text >= 0) captions_[static_cast<size_t>(f.field)]->setText(texts[f.text]);
  }
  jobProgress_->setToolTip(texts[176]);
}

ProgressPanel::ProgressPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("progressPanel"));
  overallCaption_ = new QLabel(QStringLiteral("Overall progress:"), this);
  overall_ = new QProgressBar(this);
  overall_->setObjectName(QStringLiteral("overallProgress"));
  overall_->setRange(0, 100);
  overall_->setValue(0);
  resultCaption_ = new QLabel(QStringLiteral("Result:"), this);
  resultValue_ = new QLabel(kNoValue, this);
  resultValue_->setObjectName(QStringLiteral("resultValue"));
  resultValue_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  abort_ = new QPushButton(QStringLiteral("Abort"), this);
  abort_->setObjectName(QStringLiteral("abortButton"));
  abort_->setEnabled(false);

  auto* layout = new QVBoxLayout(this);
  auto* progressRow = new QHBoxLayout;
  progressRow->addWidget(overallCaption_);
  progressRow->addWidget(overall_, 1);
  progressRow->addWidget(abort_);
  auto* resultRow = new QHBoxLayout;
  resultRow->addWidget(resultCaption_);
  resultRow->addWidget(resultValue_, 1);
  layout->addLayout(progressRow);
  layout->addLayout(resultRow);
}

void ProgressPanel::applyTexts(const text::TextTable& texts) {
  overallCaption_->setText(texts[224]);
  resultCaption_->setText(texts[261]);
  abort_->setText(texts[262]);
}

void ProgressPanel::setResult(const QString& text) {
  resultValue_->setText(text);
}

QString ProgressPanel::result() const {
  return resultValue_->text();
}

}  // namespace arkwell::gui
