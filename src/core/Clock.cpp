#include "core/Clock.h"

#include <algorithm>
#include <mutex>

namespace arkwell::core {

namespace {

std::mutex clockMutex;
QDateTime fixedMoment;

}  // namespace

QDateTime currentDateTime() {
  std::lock_guard lock(clockMutex);
  return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
}

void setFixedDateTime(const QDateTime& moment) {
  std::lock_guard lock(clockMutex);
  fixedMoment = moment;
}

QString elapsedSince(const QDateTime& start) {
  const qint64 seconds = std::max<qint64>(0, start.secsTo(currentDateTime()));
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace arkwell::core
