#include "clock/system_clock.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <chrono>

#include "tests/support/fake_system_clock.h"

namespace sternwerk {
namespace {

using namespace std::chrono_literals;
using testing::FakeSystemClock;
using testing::UtcTime;

TEST(SetInstantFromClock, TakesDateAndTimeInUniversalTime) {
  // A local time zone far from UT must not change the result.
  setenv("TZ", "UTC-13", 1);
  tzset();
  const FakeSystemClock clock(UtcTime(2026, 12, 7, 14, 5, 9) + 750ms);
  SkyState sky;
  SetInstantFromClock(sky, clock);
  EXPECT_EQ(sky.dateText, "07.12.2026");
  EXPECT_EQ(sky.day, 7);
  EXPECT_EQ(sky.month, 12);
  EXPECT_EQ(sky.year, 2026);
  EXPECT_EQ(sky.timeText, "14.05.09");
  EXPECT_DOUBLE_EQ(sky.hours, 14 + 5 / 60.0 + 9 / 3600.0);
  unsetenv("TZ");
  tzset();
}

TEST(SetInstantFromClock, InstantsBeforeTheEpochOfTheClock) {
  const FakeSystemClock clock(UtcTime(1700, 1, 1, 0, 0, 0));
  SkyState sky;
  SetInstantFromClock(sky, clock);
  EXPECT_EQ(sky.dateText, "01.01.1700");
  EXPECT_EQ(sky.timeText, "00.00.00");
  EXPECT_EQ(sky.hours, 0);

  const FakeSystemClock lastSecond(UtcTime(1969, 12, 31, 23, 59, 59) + 999ms);
  SetInstantFromClock(sky, lastSecond);
  EXPECT_EQ(sky.dateText, "31.12.1969");
  EXPECT_EQ(sky.timeText, "23.59.59");
}

}  // namespace
}  // namespace sternwerk
