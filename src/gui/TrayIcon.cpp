#include "gui/TrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

namespace arkwell::gui {

namespace {

constexpr int kFrameCount = 4;

QList<QIcon> loadFrames() {
  QList<QIcon> frames;
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/icons/");
  for (int i = 0; i < kFrameCount; ++i) {
    const QString file = folder + QStringLiteral("tray%1.png").arg(i);
    frames << (QFileInfo::exists(file) ? QIcon(file) : QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon));
  }
  return frames;
}

}  // namespace

QString TrayIcon::restingHint() {
  return QStringLiteral("Arkwell Backup (monitoring)");
}

TrayIcon::TrayIcon(QObject* parent) : QObject(parent), frames_(loadFrames()) {
  menu_ = new QMenu;
  QAction* open = menu_->addAction(QStringLiteral("Open"));
  open->setObjectName(QStringLiteral("trayOpen"));
  menu_->setDefaultAction(open);
  // Kept invisible between the two commands; it does nothing.
  QAction* test = menu_->addAction(QStringLiteral("Test"));
  test->setObjectName(QStringLiteral("trayTest"));
  test->setVisible(false);
  menu_->addSeparator();
  QAction* exit = menu_->addAction(QStringLiteral("Exit"));
  exit->setObjectName(QStringLiteral("trayExit"));
  connect(open, &QAction::triggered, this, &TrayIcon::openRequested);
  connect(exit, &QAction::triggered, this, &TrayIcon::exitRequested);

  tray_ = new QSystemTrayIcon(frames_.first(), this);
  tray_->setContextMenu(menu_);
  tray_->setToolTip(restingHint());
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) emit openRequested();
  });
  timer_.setInterval(kAnimationMs);
  connect(&timer_, &QTimer::timeout, this, &TrayIcon::nextFrame);
}

TrayIcon::~TrayIcon() {
  delete menu_;
}

void TrayIcon::setVisible(bool visible) {
  tray_->setVisible(visible);
}

QString TrayIcon::hint() const {
  return tray_->toolTip();
}

void TrayIcon::startAnimation(const QString& hint) {
  tray_->setToolTip(hint);
  timer_.start();
}

void TrayIcon::stopAnimation() {
  timer_.stop();
  showFrame(0);
  tray_->setToolTip(restingHint());
}

void TrayIcon::showFrame(int frame) {
  frame_ = frame % kFrameCount;
  tray_->setIcon(frames_[frame_]);
}

void TrayIcon::nextFrame() {
  showFrame(frame_ + 1);
}

}  // namespace arkwell::gui
