#include "core/SingleInstance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <cstdio>

namespace arkwell::core {

namespace {

constexpr int kTimeoutMs = 2000;
constexpr int kLockWaitMs = 10000;
// A command line is short; anything larger is not one of ours.
constexpr qint64 kMaxMessageBytes = 64 * 1024;

// A folder only this user can enter: $XDG_RUNTIME_DIR, else one of our own
// below the temporary folder (made owner-only, and refused when someone
// else owns it), so no other user can take the name first.
QString runtimeFolder() {
  const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!xdg.isEmpty() && QFileInfo(xdg).isDir()) return xdg;
  const QString folder = QDir::tempPath() + QStringLiteral("/arkwellbackup-%1").arg(::getuid());
  const QByteArray native = QFile::encodeName(folder);
  ::mkdir(native.constData(), 0700);
  struct stat st {};
  if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
      (st.st_mode & 077) == 0) {
    return folder;
  }
  return QDir::homePath();
}

}  // namespace

QString SingleInstance::serverName(const QString& dataFolder) {
  const QByteArray hash = QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return runtimeFolder() + QStringLiteral("/arkwellbackup-") + QString::fromLatin1(hash) + QStringLiteral(".sock");
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOverOrListen(const QStringList& arguments) {
  // Two starts at the same moment decide one after the other.
  QLockFile decision(name_ + QStringLiteral(".lock"));
  decision.tryLock(kLockWaitMs);

  QLocalSocket socket;
  socket.connectToServer(name_);
  if (socket.waitForConnected(kTimeoutMs)) {
    QByteArray message;
    QDataStream stream(&message, QIODevice::WriteOnly);
    stream << arguments;
    socket.write(message);
    socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    return true;
  }
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // Nobody answered, and nobody else is deciding: a socket left behind by an
  // instance that crashed.
  QLocalServer::removeServer(name_);
  if (!server_->listen(name_)) {
    std::fprintf(stderr, "Cannot watch for a second start on %s: %s\n", qPrintable(name_),
                 qPrintable(server_->errorString()));
  }
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::readHandOver);
  return false;
}

void SingleInstance::readHandOver() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto readArguments = [this, socket] {
      if (socket->bytesAvailable() > kMaxMessageBytes) {
        socket->abort();
        return;
      }
      QDataStream stream(socket);
      stream.startTransaction();
      QStringList arguments;
      stream >> arguments;
      if (stream.commitTransaction()) emit activationRequested(arguments);
    };
    connect(socket, &QLocalSocket::readyRead, this, readArguments);
    if (socket->bytesAvailable() > 0) readArguments();
  }
}

}  // namespace arkwell::core
