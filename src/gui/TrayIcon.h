#pragma once
// The tray icon: "Open" and "Exit" in its menu, a double click brings the
// window back, and an animation (a frame every 500 ms) while a backup runs.
// The frames are icons/tray0.png ... tray3.png beside the program.
#include <QIcon>
#include <QList>
#include <QObject>
#include <QTimer>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace arkwell::gui {

class TrayIcon : public QObject {
  Q_OBJECT
 public:
  static constexpr int kAnimationMs = 500;
  static QString restingHint();  // "Arkwell Backup (monitoring)"

  explicit TrayIcon(QObject* parent = nullptr);
  ~TrayIcon() override;

  void setVisible(bool visible);
  bool isAnimating() const { return timer_.isActive(); }
  int frame() const { return frame_; }
  QString hint() const;
  QMenu* menu() const { return menu_; }

  // Cycles the frames with `hint` until stopAnimation().
  void startAnimation(const QString& hint);
  // Back to the first frame and the resting hint.
  void stopAnimation();
  // Shows one frame without animating (the immediate backup shows frame 1).
  void showFrame(int frame);

 signals:
  void openRequested();
  void exitRequested();

 private:
  void nextFrame();

  QSystemTrayIcon* tray_;
  QMenu* menu_;
  QList<QIcon> frames_;
  QTimer timer_;
  int frame_ = 0;
};

}  // namespace arkwell::gui
