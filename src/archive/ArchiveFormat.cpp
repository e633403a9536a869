#include "archive/ArchiveFormat.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace arkwell::archive::format {

void storeInt32(char* out, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  out[0] = static_cast<char>(v & 0xFF);
  out[1] = static_cast<char>((v >> 8) & 0xFF);
  out[2] = static_cast<char>((v >> 16) & 0xFF);
  out[3] = static_cast<char>((v >> 24) & 0xFF);
}

void putInt32(std::string& out, int32_t value) {
  char bytes[4];
  storeInt32(bytes, value);
  out.append(bytes, 4);
}

void putInt64(std::string& out, int64_t value) {
  const auto v = static_cast<uint64_t>(value);
  putInt32(out, static_cast<int32_t>(static_cast<uint32_t>(v & 0xFFFFFFFFu)));
  putInt32(out, static_cast<int32_t>(static_cast<uint32_t>(v >> 32)));
}

int32_t getInt32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                              (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
}

int64_t getInt64(const char* bytes) {
  const auto low = static_cast<uint32_t>(getInt32(bytes));
  const auto high = static_cast<uint32_t>(getInt32(bytes + 4));
  return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}

std::string encodeHeader(std::string_view title, int64_t totalBytes, int64_t fileCount) {
  std::string out;
  out.reserve(kHeaderFixedBytes + title.size());
  putInt32(out, static_cast<int32_t>(title.size()));
  out.append(title);
  putInt64(out, totalBytes);
  putInt64(out, fileCount);
  return out;
}

std::string encodeName(std::string_view name) {
  std::string out;
  putInt32(out, static_cast<int32_t>(name.size()));
  out.append(name);
  return out;
}

std::string encodeEntryStart(std::string_view name, int32_t fileDate) {
  std::string out = encodeName(name);
  putInt32(out, fileDate);
  out.append(kMarker);
  return out;
}

std::string encodeLinkRecord(int volume) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%03d", volume);
  return encodeName(std::string(kNextDiskPrefix) + digits);
}

bool isLinkName(std::string_view name) {
  return name.substr(0, kNextDiskPrefix.size()) == kNextDiskPrefix;
}

std::optional<int> parseLinkRecord(std::string_view name) {
  if (name.size() != static_cast<size_t>(kLinkRecordLength) || !isLinkName(name)) {
    return std::nullopt;
  }
  const std::string_view digits = name.substr(kNextDiskPrefix.size());
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string volumeFileName(const std::string& firstVolume, int volume) {
  const size_t slash = firstVolume.find_last_of('/');
  const size_t dot = firstVolume.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  char suffix[8];
  std::snprintf(suffix, sizeof suffix, ".%03d", volume);
  return (hasExtension ? firstVolume.substr(0, dot) : firstVolume) + suffix;
}

int percentOf(int64_t done, int64_t total) {
  if (total <= 0) {
    return 100;
  }
  if (done > INT64_MAX / 100) {
    return static_cast<int>(static_cast<long double>(done) * 100 / static_cast<long double>(total));
  }
  // Twice the remainder against the divisor rounds halves to the even neighbour.
  const int64_t scaled = done * 100;
  int64_t quotient = scaled / total;
  const int64_t remainder = scaled % total;
  if (remainder > total - remainder || (remainder == total - remainder && (quotient % 2) != 0)) {
    ++quotient;
  }
  return static_cast<int>(quotient);
}

std::string fileListLine(std::string_view path, int32_t fileDate, int64_t size) {
  std::string line(path);
  line += '\t';
  line += std::to_string(fileDate);
  line += '=';
  line += std::to_string(size);
  line += "\r\n";
  return line;
}

std::optional<FileListEntry> parseFileListLine(std::string_view line) {
  const size_t tab = line.rfind('\t');
  if (tab == std::string_view::npos) {
    return std::nullopt;
  }
  const size_t equals = line.find('=', tab);
  if (equals == std::string_view::npos) {
    return std::nullopt;
  }
  FileListEntry entry;
  entry.path = std::string(line.substr(0, tab));
  const char* dateBegin = line.data() + tab + 1;
  const char* dateEnd = line.data() + equals;
  const char* sizeEnd = line.data() + line.size();
  if (std::from_chars(dateBegin, dateEnd, entry.fileDate).ptr != dateEnd ||
      std::from_chars(dateEnd + 1, sizeEnd, entry.size).ptr != sizeEnd) {
    return std::nullopt;
  }
  return entry;
}

}  // namespace arkwell::archive::format
