#pragma once
// The byte layout of archives: every constant, record encoder and name rule
// that the writer and the reader share. Nothing else knows these bytes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace arkwell::archive::format {

inline constexpr int32_t kBlockSize = 16384;            // largest block, raw or inflated
inline constexpr std::string_view kMarker{"EC2\0", 4};  // starts every data section
inline constexpr std::string_view kFileListName = "FILE:LIST";
inline constexpr std::string_view kNextDiskPrefix = "NEXT:DISK";
inline constexpr int32_t kLinkRecordLength = 12;  // "NEXT:DISK" + three digits
inline constexpr int kMaxVolumes = 999;
// A volume counts as full once its write position reaches MaxSize minus this.
inline constexpr int64_t kVolumeReserve = 100 + kBlockSize;
// Longest stored name or title a reader accepts; longer is a damaged archive.
inline constexpr int32_t kMaxNameLength = 65536;
inline constexpr int32_t kEndMarker = 0;
inline constexpr int32_t kTerminator = 0;

// Header: int32 title length, title, int64 TotalBytes, int64 FileCount.
inline constexpr int64_t kHeaderFixedBytes = 4 + 8 + 8;

void storeInt32(char* out, int32_t value);  // 4 bytes at out
void putInt32(std::string& out, int32_t value);
void putInt64(std::string& out, int64_t value);
int32_t getInt32(const char* bytes);
int64_t getInt64(const char* bytes);

std::string encodeHeader(std::string_view title, int64_t totalBytes, int64_t fileCount);
// NameLength and Name.
std::string encodeName(std::string_view name);
// A name record, FileDate and the data section marker: all that precedes the
// first block of an entry.
std::string encodeEntryStart(std::string_view name, int32_t fileDate);
// "NEXT:DISK" + the volume number in three digits, as a name record.
std::string encodeLinkRecord(int volume);
// The volume number of a link record's name, or nothing when the name is not
// a well-formed link ("NEXT:DISK" and exactly three decimal digits).
std::optional<int> parseLinkRecord(std::string_view name);
bool isLinkName(std::string_view name);

// Volume n (2..999) of an archive: the first volume's path with its extension
// replaced by "." and n in three digits ("x.KBU" -> "x.002"); a name without
// extension gets one.
std::string volumeFileName(const std::string& firstVolume, int volume);

// done * 100 / total rounded to the nearest whole number, halves to even.
int percentOf(int64_t done, int64_t total);

// One line of the stored file list: path, tab, DOS date, "=", size, CR LF.
std::string fileListLine(std::string_view path, int32_t fileDate, int64_t size);
struct FileListEntry {
  std::string path;
  int32_t fileDate = 0;
  int64_t size = 0;
};
// Parses a line without its CR LF; nothing when it is not of that form.
std::optional<FileListEntry> parseFileListLine(std::string_view line);

}  // namespace arkwell::archive::format
