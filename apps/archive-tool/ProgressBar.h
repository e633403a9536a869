#pragma once
// A one-line progress display for a terminal: a bar, the percentage and the
// current file, redrawn in place at most about ten times a second so that
// small files do not flood a slow terminal.
#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace arkwell::tool {

// The line for `percent` (clamped to 0..100) and `file`, at most width - 1
// columns so that the terminal never wraps it; the file keeps its tail.
std::string renderProgressLine(int percent, std::string_view file, int width);

// `path` cut to at most `columns` characters (UTF-8 sequences kept whole),
// "..." standing for the dropped beginning.
std::string shortenPath(std::string_view path, size_t columns);

// Columns of the terminal on `fd`; 80 when it cannot be told.
int terminalColumns(int fd);

class ProgressBar {
 public:
  // Draws nothing unless `enabled`, so callers need not test for a terminal.
  ProgressBar(std::ostream& out, bool enabled, int width);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void progress(std::string_view file, int percent);
  void scanning(int64_t files);
  // Erases the line, before other output or at the end.
  void clear();

 private:
  void draw(const std::string& line);

  std::ostream& out_;
  bool enabled_;
  int width_;
  size_t shownColumns_ = 0;
  std::optional<std::chrono::steady_clock::time_point> lastDraw_;
};

}  // namespace arkwell::tool
