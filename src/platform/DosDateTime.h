#pragma once
// DOS date-time numbers (the 32-bit packed local time used for file dates in
// archives) and their conversion from and to file modification times.
#include <cstdint>
#include <ctime>
#include <string>

namespace arkwell::platform {

// Packs a moment as local time. Seconds are rounded down to even; moments
// before 1980-01-01 00:00:00 clamp to it, moments after 2107-12-31 23:59:58
// clamp to that.
int32_t toDosDateTime(std::time_t moment);

// The moment a DOS date-time names, read as local time. Fields out of range
// (month 0, day 0, ...) are normalised as mktime does.
std::time_t fromDosDateTime(int32_t dosDateTime);

// The file's modification time as a DOS date-time; throws std::system_error
// naming the file when it cannot be read.
int32_t fileDosDateTime(const std::string& path);

// Sets modification and access time of an open file or a path. Return false on
// failure with errno set.
bool setFileDosDateTime(int fd, int32_t dosDateTime);
bool setFileDosDateTime(const std::string& path, int32_t dosDateTime);

// "yyyy-mm-dd hh:mm:ss" of a DOS date-time, for listings.
std::string formatDosDateTime(int32_t dosDateTime);

}  // namespace arkwell::platform
