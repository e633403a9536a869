#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "platform/DosDateTime.h"
#include "support/LocalTime.h"
#include "support/TempDir.h"

namespace arkwell::platform {
namespace {

TEST(DosDateTime, PacksLocalTimeWithEvenSecondsAndClampsTheRange) {
  struct Case {
    std::time_t moment;
    uint32_t expected;
  };
  const Case cases[] = {
      {test::localMoment(2024, 1, 15, 10, 30, 0), 0x582F53C0u},   // the worked example's date
      {test::localMoment(2024, 1, 15, 10, 30, 1), 0x582F53C0u},   // odd second rounds down
      {test::localMoment(2024, 1, 15, 10, 30, 59), 0x582F53DDu},  // 58 s -> 29
      {test::localMoment(1980, 1, 1, 0, 0, 0), 0x00210000u},
      {test::localMoment(1979, 12, 31, 23, 59, 59), 0x00210000u},  // before 1980 clamps
      {0, 0x00210000u},
      {test::localMoment(2107, 12, 31, 23, 59, 59), 0xFF9FBF7Du},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<uint32_t>(toDosDateTime(c.moment)), c.expected) << "moment " << c.moment;
  }
}

TEST(DosDateTime, RoundTripsThroughFileTimes) {
  test::TempDir dir;
  const std::string path = dir / "f";
  test::writeFile(path, "x");
  const int32_t date = toDosDateTime(test::localMoment(2031, 7, 4, 23, 58, 46));
  ASSERT_TRUE(setFileDosDateTime(path, date));
  EXPECT_EQ(fileDosDateTime(path), date);
  EXPECT_EQ(fromDosDateTime(date), test::localMoment(2031, 7, 4, 23, 58, 46));
  EXPECT_EQ(formatDosDateTime(date), "2031-07-04 23:58:46");
  EXPECT_THROW(fileDosDateTime(dir / "missing"), std::system_error);
}

}  // namespace
}  // namespace arkwell::platform
