#pragma once
// One running window program per user and data folder. The first instance
// listens on a local socket; a later start connects, hands over its
// arguments and must then end (exit code 0) before it touches any file.
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace arkwell::core {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // The socket for this user and data folder, in a folder only this user can
  // enter. Touches nothing of the data folder.
  static QString serverName(const QString& dataFolder);

  explicit SingleInstance(QString name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // When another instance listens: sends it `arguments` and returns true (the
  // caller then exits 0). Otherwise starts listening and returns false.
  bool handOverOrListen(const QStringList& arguments);

 signals:
  // Raised in the first instance when a later start handed over.
  void activationRequested(const QStringList& arguments);

 private:
  void readHandOver();

  QString name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace arkwell::core
