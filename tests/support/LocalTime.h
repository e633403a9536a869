#pragma once
// Moments given as local calendar time, for tests about file dates.
#include <ctime>

namespace arkwell::test {

std::time_t localMoment(int year, int month, int day, int hour, int minute, int second);

}  // namespace arkwell::test
