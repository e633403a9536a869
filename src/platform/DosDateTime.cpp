#include "platform/DosDateTime.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace arkwell::platform {

namespace {

constexpr int kDosEpochYear = 1980;
constexpr int kDosLastYear = kDosEpochYear + 127;
// 1980-01-01 00:00:00 and 2107-12-31 23:59:58 in packed form.
constexpr uint32_t kDosMin = (1u << 16) | (1u << 21);
constexpr uint32_t kDosMax = (127u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u;

struct timespec toTimespec(int32_t dosDateTime) {
  struct timespec ts {};
  ts.tv_sec = fromDosDateTime(dosDateTime);
  ts.tv_nsec = 0;
  return ts;
}

}  // namespace

int32_t toDosDateTime(std::time_t moment) {
  struct tm local {};
  if (localtime_r(&moment, &local) == nullptr) {
    return static_cast<int32_t>(kDosMin);
  }
  const int year = local.tm_year + 1900;
  if (year < kDosEpochYear) {
    return static_cast<int32_t>(kDosMin);
  }
  if (year > kDosLastYear) {
    return static_cast<int32_t>(kDosMax);
  }
  const uint32_t packed = (static_cast<uint32_t>(year - kDosEpochYear) << 25) |
                          (static_cast<uint32_t>(local.tm_mon + 1) << 21) |
                          (static_cast<uint32_t>(local.tm_mday) << 16) | (static_cast<uint32_t>(local.tm_hour) << 11) |
                          (static_cast<uint32_t>(local.tm_min) << 5) | (static_cast<uint32_t>(local.tm_sec / 2));
  return static_cast<int32_t>(packed);
}

std::time_t fromDosDateTime(int32_t dosDateTime) {
  const auto packed = static_cast<uint32_t>(dosDateTime);
  struct tm local {};
  local.tm_year = static_cast<int>((packed >> 25) & 0x7F) + kDosEpochYear - 1900;
  local.tm_mon = static_cast<int>((packed >> 21) & 0x0F) - 1;
  local.tm_mday = static_cast<int>((packed >> 16) & 0x1F);
  local.tm_hour = static_cast<int>((packed >> 11) & 0x1F);
  local.tm_min = static_cast<int>((packed >> 5) & 0x3F);
  local.tm_sec = static_cast<int>(packed & 0x1F) * 2;
  local.tm_isdst = -1;
  return mktime(&local);
}

int32_t fileDosDateTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    throw std::system_error(errno, std::generic_category(), path);
  }
  return toDosDateTime(st.st_mtim.tv_sec);
}

bool setFileDosDateTime(int fd, int32_t dosDateTime) {
  const struct timespec times[2] = {toTimespec(dosDateTime), toTimespec(dosDateTime)};
  return ::futimens(fd, times) == 0;
}

bool setFileDosDateTime(const std::string& path, int32_t dosDateTime) {
  const struct timespec times[2] = {toTimespec(dosDateTime), toTimespec(dosDateTime)};
  return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

std::string formatDosDateTime(int32_t dosDateTime) {
  const auto packed = static_cast<uint32_t>(dosDateTime);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", ((packed >> 25) & 0x7F) + kDosEpochYear,
                (packed >> 21) & 0x0F, (packed >> 16) & 0x1F, (packed >> 11) & 0x1F, (packed >> 5) & 0x3F,
                (packed & 0x1F) * 2);
  return text;
}

}  // namespace arkwell::platform
