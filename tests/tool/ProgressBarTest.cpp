#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <thread>

#include "ProgressBar.h"

namespace arkwell::tool {
namespace {

size_t characters(const std::string& text) {
  return static_cast<size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool startsInsideUtf8Sequence(const std::string& text) {
  return !text.empty() && (static_cast<unsigned char>(text[0]) & 0xC0) == 0x80;
}

TEST(ProgressBar, LineShowsBarPercentAndTailOfFile) {
  struct Case {
    int percent;
    std::string file;
    int width;
    std::string expected;
  };
  const std::string longPath = "/home/ann/Documents/projects/2024/quarterly-report/final/version-7/report.odt";
  const Case cases[] = {
      {42, "/home/ann/a.txt", 80, "[########............]   42%  /home/ann/a.txt"},
      {0, "", 80, "[....................]    0%"},
      {-3, "", 80, "[....................]    0%"},
      {100, "", 80, "[####################]  100%"},
      {137, "", 80, "[####################]  100%"},  // files that grew after they were measured
      {50, longPath, 60, "[##########..........]   50%  ..." + longPath.substr(longPath.size() - 26)},
      {50, longPath, 34, "[##########..........]   50%"},  // too little room for a useful name
      {7, "/a.txt", 12, "  7%"},
  };
  for (const Case& c : cases) {
    const std::string line = renderProgressLine(c.percent, c.file, c.width);
    EXPECT_EQ(line, c.expected) << c.percent << "% " << c.file << " in " << c.width;
    EXPECT_LT(characters(line), static_cast<size_t>(c.width)) << line;
  }
}

TEST(ProgressBar, ShortenedPathsKeepWholeCharacters) {
  const std::string path = "/home/ann/Bilder/Übersicht/München/Straße/Fußgänger.jpg";
  for (size_t columns = 0; columns <= characters(path) + 1; ++columns) {
    const std::string shortened = shortenPath(path, columns);
    EXPECT_LE(characters(shortened), columns) << shortened;
    EXPECT_EQ(shortened.starts_with("..."), columns >= 4 && columns < characters(path)) << shortened;
    const std::string tail = shortened.starts_with("...") ? shortened.substr(3) : shortened;
    EXPECT_FALSE(startsInsideUtf8Sequence(tail)) << columns;
    EXPECT_TRUE(path.ends_with(tail)) << shortened;
  }
  EXPECT_EQ(shortenPath(path, characters(path)), path);
}

TEST(ProgressBar, DrawsNothingWhenDisabled) {
  std::ostringstream out;
  {
    ProgressBar bar(out, false, 80);
    bar.scanning(12);
    bar.progress("/a", 50);
    bar.clear();
  }
  EXPECT_EQ(out.str(), "");
}

TEST(ProgressBar, RedrawsAtMostTenTimesASecondAndErasesItsLine) {
  std::ostringstream out;
  const auto start = std::chrono::steady_clock::now();
  {
    ProgressBar bar(out, true, 80);
    for (int i = 0; i < 20000; ++i) {
      bar.progress("/home/ann/file" + std::to_string(i), i / 200);
    }
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const std::string text = out.str();
  const auto returns = std::count(text.begin(), text.end(), '\r');
  // One carriage return per drawing, two for the final erase.
  const auto allowed = elapsed / std::chrono::milliseconds(100) + 1;
  EXPECT_GE(returns, 3);
  EXPECT_LE(returns, allowed + 2) << "in " << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()
                                  << " ms";
  // The last drawing is blanked out and the cursor is back at the start.
  const size_t lastDraw = text.rfind('\r', text.size() - 2);
  EXPECT_EQ(text.back(), '\r');
  const std::string erased = text.substr(lastDraw + 1, text.size() - lastDraw - 2);
  EXPECT_TRUE(std::all_of(erased.begin(), erased.end(), [](char c) { return c == ' '; }));
  const size_t previousDraw = text.rfind('\r', lastDraw - 1);
  std::string lastLine = text.substr(previousDraw + 1, lastDraw - previousDraw - 1);
  lastLine.erase(lastLine.find_last_not_of(' ') + 1);
  EXPECT_GE(erased.size(), lastLine.size()) << lastLine;
}

TEST(ProgressBar, ShorterLineBlanksWhatTheLongerOneLeft) {
  std::ostringstream out;
  ProgressBar bar(out, true, 80);
  bar.progress("/home/ann/a-rather-long-file-name.txt", 10);
  const size_t firstLength = out.str().size() - 1;
  bar.clear();  // also lets the next drawing through at once
  out.str("");
  bar.progress("/home/ann/a-rather-long-file-name.txt", 10);
  std::this_thread::sleep_for(std::chrono::milliseconds(120));
  bar.scanning(5);
  const std::string text = out.str();
  const size_t second = text.find('\r', 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(text.substr(second + 1, 16), "scanning: 5 file");
  EXPECT_EQ(text.size() - second - 1, firstLength) << "the line must be padded to the previous length";
}

}  // namespace
}  // namespace arkwell::tool
