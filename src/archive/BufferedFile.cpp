#include "archive/BufferedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "archive/ArchiveError.h"

namespace arkwell::archive {

OutputFile::~OutputFile() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

void OutputFile::create(const std::string& path, size_t bufferSize) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    throw FileIoError("cannot create", path, errno);
  }
  adopt(fd, path, bufferSize);
}

void OutputFile::adopt(int fd, const std::string& path, size_t bufferSize) {
  close();
  fd_ = fd;
  path_ = path;
  buffer_.resize(bufferSize);
  used_ = 0;
  position_ = 0;
}

void OutputFile::writeThrough(const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd_, data, size);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw FileIoError("cannot write to", path_, errno);
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
}

void OutputFile::write(const char* data, size_t size) {
  position_ += static_cast<int64_t>(size);
  if (used_ + size <= buffer_.size()) {
    std::memcpy(buffer_.data() + used_, data, size);
    used_ += size;
    return;
  }
  flush();
  if (size >= buffer_.size()) {
    writeThrough(data, size);
  } else {
    std::memcpy(buffer_.data(), data, size);
    used_ = size;
  }
}

void OutputFile::flush() {
  if (used_ > 0) {
    const size_t pending = used_;
    used_ = 0;
    writeThrough(buffer_.data(), pending);
  }
}

void OutputFile::close() {
  if (fd_ < 0) {
    return;
  }
  const int fd = fd_;
  try {
    flush();
  } catch (...) {
    fd_ = -1;
    ::close(fd);
    throw;
  }
  fd_ = -1;
  if (::close(fd) != 0) {
    throw FileIoError("cannot close", path_, errno);
  }
}

InputFile::~InputFile() {
  close();
}

void InputFile::open(const std::string& path, size_t bufferSize) {
  close();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a FIFO must not block us
  if (fd < 0) {
    throw FileIoError("cannot open", path, errno);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    throw FileIoError("cannot read", path, err);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw FileIoError("cannot read", path, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
  }
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  fd_ = fd;
  path_ = path;
  size_ = st.st_size;
  offset_ = 0;
  begin_ = end_ = 0;
  buffer_.resize(bufferSize);
}

void InputFile::close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

bool InputFile::read(char* out, size_t size) {
  if (static_cast<int64_t>(size) > remaining()) {
    return false;
  }
  while (size > 0) {
    if (begin_ == end_) {
      const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw FileIoError("cannot read", path_, errno);
      if (n == 0) throw FileIoError("cannot read", path_, EIO);  // the file shrank under us
      begin_ = 0;
      end_ = static_cast<size_t>(n);
    }
    const size_t take = std::min(size, end_ - begin_);
    std::memcpy(out, buffer_.data() + begin_, take);
    begin_ += take;
    out += take;
    size -= take;
    offset_ += static_cast<int64_t>(take);
  }
  return true;
}

bool InputFile::skip(int64_t count) {
  if (count > remaining()) {
    return false;
  }
  const auto buffered = static_cast<int64_t>(end_ - begin_);
  if (count <= buffered) {
    begin_ += static_cast<size_t>(count);
    offset_ += count;
    return true;
  }
  const int64_t target = offset_ + count;
  if (::lseek(fd_, target, SEEK_SET) < 0) {
    throw FileIoError("cannot seek in", path_, errno);
  }
  begin_ = end_ = 0;
  offset_ = target;
  return true;
}

}  // namespace arkwell::archive
