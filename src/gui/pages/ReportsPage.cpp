#include "gui/pages/ReportsPage.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/CoreError.h"
#include "report/ReportFiles.h"

namespace arkwell::gui {

ReportsPage::ReportsPage(core::DialogService& dialogs, std::function<QString()> reportFolder, MessageFn message,
                         QWidget* parent)
    : Page(parent), dialogs_(dialogs), reportFolder_(std::move(reportFolder)), message_(std::move(message)) {
  name_ = new QLabel(QStringLiteral("-"), this);
  name_->setObjectName(QStringLiteral("reportNameLabel"));
  viewer_ = new QPlainTextEdit(this);
  viewer_->setObjectName(QStringLiteral("reportViewer"));
  viewer_->setReadOnly(true);
  viewer_->setLineWrapMode(QPlainTextEdit::NoWrap);
  viewer_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewer_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  otherFile_ = new QPushButton(QStringLiteral("Ander bestand..."), this);
  otherFile_->setObjectName(QStringLiteral("otherReportButton"));
  connect(otherFile_, &QPushButton::clicked, this, &ReportsPage::openOtherReport);

  auto* top = new QHBoxLayout;
  top->addWidget(name_, 1);
  top->addWidget(otherFile_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(viewer_, 1);
}

void ReportsPage::applyTexts(const text::TextTable& texts) {
  otherFile_->setText(texts[268]);
}

void ReportsPage::showReport(const QStringList& lines, const QString& name) {
  viewer_->setPlainText(lines.join(QLatin1Char('\n')));
  name_->setText(name);
}

void ReportsPage::LoadLaatsteReport() {
  const QString folder = reportFolder_().trimmed();
  if (folder.isEmpty()) return;
  const QString newest = report::newestReportFile(folder);
  if (!newest.isEmpty()) loadReportFile(newest);
}

bool ReportsPage::loadReportFile(const QString& path) {
  try {
    showReport(report::readReportFile(path), QFileInfo(path).fileName());
    return true;
  } catch (const core::CoreError& e) {
    message_(core::DialogIcon::Error, e.message());
    return false;
  }
}

void ReportsPage::openOtherReport() {
  QString file;
  if (dialogs_.chooseFile(true, QStringLiteral("rep"), QStringLiteral("ArkwellBackup reports|*.rep"), file,
                          QStringLiteral("Select reportfile"), reportFolder_().trimmed())) {
    loadReportFile(file);
  }
}

QString ReportsPage::shownName() const {
  return name_->text();
}

QString ReportsPage::shownText() const {
  return viewer_->toPlainText();
}

}  // namespace arkwell::gui
