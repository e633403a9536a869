#include "archive/FileMeasurer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <system_error>
#include <thread>

#include "archive/SourceReader.h"

namespace arkwell::archive {

namespace {

constexpr size_t kChunk = 32;  // files taken at a time, so threads rarely meet

MeasuredFile measureOne(const std::string& path) {
  struct stat st {};
  const int fd = openSourceFile(path, st);
  if (fd < 0) {
    return {errno == 0 ? EIO : errno, 0, 0};
  }
  ::close(fd);
  return {0, st.st_size, st.st_mtim.tv_sec};
}

bool outOfDescriptors(int error) {
  return error == EMFILE || error == ENFILE;
}

}  // namespace

void measureFiles(const std::vector<std::string>& files, size_t begin, size_t end, MeasuredFile* out, int threads) {
  std::atomic<size_t> next{begin};
  const auto work = [&] {
    for (;;) {
      const size_t first = next.fetch_add(kChunk);
      if (first >= end) return;
      const size_t last = std::min(end, first + kChunk);
      for (size_t i = first; i < last; ++i) out[i - begin] = measureOne(files[i]);
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<size_t>(std::max(threads, 1)));  // no allocation once threads run
  const size_t wanted = (end - begin) / kChunk;
  try {
    for (int i = 1; i < threads && static_cast<size_t>(i) <= wanted; ++i) helpers.emplace_back(work);
  } catch (const std::system_error&) {
    // Fewer threads only make it slower.
  }
  work();
  for (std::thread& t : helpers) t.join();
  // Several files open at once may exceed the descriptor limit where one at
  // a time would not: such a file is no verdict, so it is measured again alone.
  for (size_t i = begin; i < end; ++i) {
    if (outOfDescriptors(out[i - begin].error)) out[i - begin] = measureOne(files[i]);
  }
}

}  // namespace arkwell::archive
