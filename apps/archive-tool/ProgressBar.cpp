#include "ProgressBar.h"

#include <sys/ioctl.h>

#include <algorithm>
#include <cstdio>

#include "TerminalText.h"

namespace arkwell::tool {

namespace {

constexpr int kBarCells = 20;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

bool isContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters rather than bytes, so that UTF-8 names are measured as shown.
size_t columnsOf(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

}  // namespace

std::string shortenPath(std::string_view path, size_t columns) {
  if (columnsOf(path) <= columns) {
    return std::string(path);
  }
  const std::string_view ellipsis = columns >= 4 ? "..." : "";
  size_t keep = columns - ellipsis.size();
  size_t start = path.size();
  while (keep > 0 && start > 0) {
    --start;
    if (!isContinuationByte(path[start])) {
      --keep;
    }
  }
  // A cut inside a sequence would leave stray continuation bytes.
  while (start < path.size() && isContinuationByte(path[start])) {
    ++start;
  }
  return std::string(ellipsis) + std::string(path.substr(start));
}

std::string renderProgressLine(int percent, std::string_view file, int width) {
  percent = std::clamp(percent, 0, 100);
  char number[8];
  std::snprintf(number, sizeof number, "%3d%%", percent);
  const int filled = percent * kBarCells / 100;
  std::string line = "[" + std::string(filled, '#') + std::string(kBarCells - filled, '.') + "]  " + number;
  const int usable = width - 1;
  if (usable < static_cast<int>(line.size())) {
    return number;
  }
  const int room = usable - static_cast<int>(line.size()) - 2;
  if (!file.empty() && room >= 8) {
    line += "  " + shortenPath(terminalSafe(file), static_cast<size_t>(room));
  }
  return line;
}

int terminalColumns(int fd) {
  struct winsize size {};
  if (::ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
    return size.ws_col;
  }
  return 80;
}

ProgressBar::ProgressBar(std::ostream& out, bool enabled, int width) : out_(out), enabled_(enabled), width_(width) {}

ProgressBar::~ProgressBar() {
  clear();
}

void ProgressBar::progress(std::string_view file, int percent) {
  if (enabled_) {
    draw(renderProgressLine(percent, file, width_));
  }
}

void ProgressBar::scanning(int64_t files) {
  if (enabled_) {
    draw(shortenPath("scanning: " + std::to_string(files) + " files", static_cast<size_t>(std::max(width_ - 1, 1))));
  }
}

void ProgressBar::draw(const std::string& line) {
  const auto now = std::chrono::steady_clock::now();
  if (lastDraw_ && now - *lastDraw_ < kRedrawInterval) {
    return;
  }
  lastDraw_ = now;
  const size_t columns = columnsOf(line);
  // Blanks over what a longer previous line left behind.
  out_ << '\r' << line << std::string(shownColumns_ > columns ? shownColumns_ - columns : 0, ' ') << std::flush;
  shownColumns_ = columns;
}

void ProgressBar::clear() {
  if (enabled_ && shownColumns_ > 0) {
    out_ << '\r' << std::string(shownColumns_, ' ') << '\r' << std::flush;
    shownColumns_ = 0;
  }
  lastDraw_.reset();
}

}  // namespace arkwell::tool
