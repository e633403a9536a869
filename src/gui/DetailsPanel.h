#pragma once
// The details panel (caption "Details:"): where a run is and what it has
// done; and the progress panel below the disk and FTP pages: overall
// progress, result, Abort. Every value label reads "-" at start.
#include <QWidget>
#include <array>

#include "core/RunHost.h"
#include "text/TextTable.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace arkwell::gui {

class DetailsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit DetailsPanel(QWidget* parent = nullptr);
  // Result lives in the progress panel; asking for it here does nothing.
  void setValue(core::DetailField field, const QString& value);
  QString value(core::DetailField field) const;
  void resetValues();
  void applyTexts(const text::TextTable& texts);
  QProgressBar* jobProgress() const { return jobProgress_; }

 private:
  QGroupBox* group_;
  std::array<QLabel*, core::kDetailFieldCount> captions_{};
  std::array<QLabel*, core::kDetailFieldCount> values_{};
  QLabel* jobProgressCaption_;
  QProgressBar* jobProgress_;
};

class ProgressPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressPanel(QWidget* parent = nullptr);
  void applyTexts(const text::TextTable& texts);
  void setResult(const QString& text);
  QString result() const;
  QProgressBar* overallProgress() const { return overall_; }
  QPushButton* abortButton() const { return abort_; }

 private:
  QLabel* overallCaption_;
  QLabel* resultCaption_;
  QLabel* resultValue_;
  QProgressBar* overall_;
  QPushButton* abort_;
};

}  // namespace arkwell::gui
