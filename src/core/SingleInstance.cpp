#include "core/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>

namespace arkwell::core {

namespace {

constexpr int kTimeoutMs = 2000;
// A command line is short; anything larger is not one of ours.
constexpr qint64 kMaxMessageBytes = 64 * 1024;

}  // namespace

QString SingleInstance::serverName(const QString& dataFolder) {
  const QByteArray hash = QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return QStringLiteral("arkwellbackup-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOverOrListen(const QStringList& arguments) {
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
  // A socket left behind by an instance that crashed answers no one.
  if (!server_->listen(name_) && server_->serverError() == QAbstractSocket::AddressInUseError) {
    QLocalServer::removeServer(name_);
    server_->listen(name_);
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
