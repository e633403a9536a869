#include "core/Clock.h"

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

}  // namespace arkwell::core
