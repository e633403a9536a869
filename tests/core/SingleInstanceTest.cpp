#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <cstring>

#include "core/CoreTestSupport.h"
#include "core/SingleInstance.h"

namespace arkwell::core {
namespace {

TEST(SingleInstance, ASecondStartHandsOverItsArguments) {
  test::TempDir dir;
  const QString name = SingleInstance::serverName(test::qpath(dir, "data"));
  EXPECT_NE(name, SingleInstance::serverName(test::qpath(dir, "other")));
  EXPECT_TRUE(QFileInfo(name).isAbsolute()) << "a path in the user's own folder, not a shared name";
  SingleInstance first(name);
  ASSERT_FALSE(first.handOverOrListen({"arkwellbackup"}));
  QSignalSpy spy(&first, &SingleInstance::activationRequested);

  SingleInstance second(name);
  EXPECT_TRUE(second.handOverOrListen({"arkwellbackup", "DF", "SD"}));
  ASSERT_TRUE(spy.wait(5000));
  EXPECT_EQ(spy.at(0).at(0).toStringList(), QStringList({"arkwellbackup", "DF", "SD"}));
}

TEST(SingleInstance, AStaleSocketDoesNotBlockTheFirstStart) {
  test::TempDir dir;
  const QString name = SingleInstance::serverName(test::qpath(dir, "stale"));
  // What a crashed instance leaves: a socket file nobody listens on.
  const QByteArray socketPath = name.toLocal8Bit();
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(QFileInfo::exists(QString::fromLocal8Bit(socketPath)));

  SingleInstance next(name);
  EXPECT_FALSE(next.handOverOrListen({})) << "nobody answers, so this one becomes the first";
  SingleInstance third(name);
  EXPECT_TRUE(third.handOverOrListen({}));
}

}  // namespace
}  // namespace arkwell::core
