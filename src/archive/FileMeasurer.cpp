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
constexpr size_t kChunk = 64;  // files taken at a time, so threads rarely meet
}  // namespace

void measureFiles(const std::vector<std::string>& files, size_t begin, size_t end, MeasuredFile* out, int threads) {
  std::atomic<size_t> next{begin};
  const auto work = [&] {
    for (;;) {
      const size_t first = next.fetch_add(kChunk);
      if (first >= end) return;
      const size_t last = std::min(end, first + kChunk);
      for (size_t i = first; i < last; ++i) {
        MeasuredFile& m = out[i - begin];
        struct stat st {};
        const int fd = openSourceFile(files[i], st);
        if (fd < 0) {
          m = MeasuredFile{errno == 0 ? EIO : errno, 0, 0};
          continue;
        }
        ::close(fd);
        m = MeasuredFile{0, st.st_size, st.st_mtim.tv_sec};
      }
    }
  };
  std::vector<std::thread> helpers;
  const size_t wanted = (end - begin) / kChunk;
  try {
    for (int i = 1; i < threads && static_cast<size_t>(i) <= wanted; ++i) helpers.emplace_back(work);
  } catch (const std::system_error&) {
    // Fewer threads only make it slower.
  }
  work();
  for (std::thread& t : helpers) t.join();
}

}  // namespace arkwell::archive
