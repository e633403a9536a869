#pragma once
// Buffered file access for archive volumes and restored files. Failures throw
// FileIoError naming the file; the owner closes on every path (destructors
// close without reporting).
#include <cstdint>
#include <string>
#include <vector>

namespace arkwell::archive {

class OutputFile {
 public:
  static constexpr size_t kDefaultBuffer = 256 * 1024;

  OutputFile() = default;
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates (or replaces) the file.
  void create(const std::string& path, size_t bufferSize = kDefaultBuffer);
  // Takes over an already open descriptor (the caller opened it safely).
  void adopt(int fd, const std::string& path, size_t bufferSize = kDefaultBuffer);
  void write(const char* data, size_t size);
  void write(const std::string& bytes) { write(bytes.data(), bytes.size()); }
  void flush();
  void close();
  bool isOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  // Bytes written since the file was created, buffered ones included.
  int64_t position() const { return position_; }

 private:
  void writeThrough(const char* data, size_t size);

  int fd_ = -1;
  std::string path_;
  std::vector<char> buffer_;
  size_t used_ = 0;
  int64_t position_ = 0;
};

class InputFile {
 public:
  static constexpr size_t kDefaultBuffer = 256 * 1024;

  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  void open(const std::string& path, size_t bufferSize = kDefaultBuffer);
  void close();
  bool isOpen() const { return fd_ >= 0; }
  const std::string& path() const { return path_; }
  int64_t size() const { return size_; }
  // Offset of the next byte to be read.
  int64_t offset() const { return offset_; }
  int64_t remaining() const { return size_ - offset_; }
  // Reads exactly `size` bytes; false (nothing consumed) when the file ends first.
  bool read(char* out, size_t size);
  // Moves forward; false when that passes the end of the file.
  bool skip(int64_t count);

 private:
  int fd_ = -1;
  std::string path_;
  std::vector<char> buffer_;
  size_t begin_ = 0;
  size_t end_ = 0;
  int64_t offset_ = 0;
  int64_t size_ = 0;
};

}  // namespace arkwell::archive
