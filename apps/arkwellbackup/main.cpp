// The window program. A second start hands its arguments to the running
// window and ends before it touches any file.
#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include "core/SingleInstance.h"
#include "core/SystemFolders.h"
#include "gui/MainWindow.h"
#include "gui/SplashDialog.h"
#include "gui/WidgetDialogService.h"

int main(int argc, char** argv) {
  using namespace arkwell;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("arkwellbackup"));
  QApplication::setApplicationDisplayName(QStringLiteral("Arkwell Backup"));
  QApplication::setApplicationVersion(QStringLiteral(ARKWELL_VERSION));

  // Computing the data folder's name touches nothing; creating it comes later.
  core::SingleInstance instance(
      core::SingleInstance::serverName(core::commonAppDataFolder() + QStringLiteral("/arkwellbackup")));
  if (instance.handOverOrListen(QApplication::arguments())) return 0;

  const QString icon = QCoreApplication::applicationDirPath() + QStringLiteral("/icons/arkwellbackup.png");
  if (QFileInfo::exists(icon)) QApplication::setWindowIcon(QIcon(icon));

  auto* splash = new gui::SplashDialog(gui::SplashDialog::Use::Splash);
  splash->show();
  QApplication::processEvents();

  gui::WidgetDialogService dialogs;
  gui::MainWindow window(dialogs, QApplication::arguments().mid(1));
  dialogs.setOwner(&window);
  // The running window comes to the front; it does not act on the arguments.
  QObject::connect(&instance, &core::SingleInstance::activationRequested, &window, &gui::MainWindow::bringToFront);
  // A window hidden in the tray is no "last window": end when it closes.
  QObject::connect(&window, &gui::MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

  delete splash;
  window.show();
  return QApplication::exec();
}
