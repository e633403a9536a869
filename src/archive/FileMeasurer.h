#pragma once
// Opens each listed file as the backup opens it and takes its size and date,
// on several threads at once: every file is opened on its own, so the order
// in which they are measured changes nothing but the time it takes.
#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace arkwell::archive {

struct MeasuredFile {
  int error = 0;  // errno when the file could not be opened; size and date then unset
  int64_t size = 0;
  std::time_t modified = 0;
};

// Measures files[begin, end) into out[0, end - begin) on `threads` threads
// (the calling one included).
void measureFiles(const std::vector<std::string>& files, size_t begin, size_t end, MeasuredFile* out, int threads);

}  // namespace arkwell::archive
