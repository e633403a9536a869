#pragma once
// Every "now" of the program (run stamps, retention cut-offs, schedule keys,
// report names) comes from here, so tests can fix the time.
#include <QDateTime>

namespace arkwell::core {

// The local date and time: the real clock, or the fixed moment a test set.
QDateTime currentDateTime();
// Fixes the clock at `moment`; an invalid moment returns to the real clock.
void setFixedDateTime(const QDateTime& moment);
// The time since `start` as "hh:mm:ss", for the run details.
QString elapsedSince(const QDateTime& start);

}  // namespace arkwell::core
