#pragma once
// The splash shown while the program starts; the same form, modal and with
// its version panel and close button, is the information box.
#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

namespace arkwell::gui {

class SplashDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Use { Splash, Information };
  explicit SplashDialog(Use use, QWidget* parent = nullptr);

 private:
  QWidget* versionPanel_;
  QLabel* version_;
  QPushButton* close_;
};

}  // namespace arkwell::gui
