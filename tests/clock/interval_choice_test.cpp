// The interval dialog's reading of its minutes field and its step modes.
#include "clock/interval_choice.h"

#include <gtest/gtest.h>

namespace sternwerk {
namespace {

TEST(ReadIntervalMinutes, TakesEveryDecimalNumberExactly) {
  EXPECT_EQ(ReadIntervalMinutes("15"), 15.0);
  EXPECT_EQ(ReadIntervalMinutes("  1.5"), 1.5);
  EXPECT_EQ(ReadIntervalMinutes("+.25"), 0.25);
  EXPECT_EQ(ReadIntervalMinutes("5."), 5.0);
  EXPECT_EQ(ReadIntervalMinutes("1e3"), 1000.0);
  EXPECT_EQ(ReadIntervalMinutes("-5"), -5.0);
  EXPECT_EQ(ReadIntervalMinutes("0"), 0.0);
}

TEST(ReadIntervalMinutes, MalformedTextIsNoNumber) {
  for (const char* text : {"", "   ", "12abc", "1,5", ".", "-", "+-5", "--5", "inf", "nan", "1e",
                           "5 ", "0x1A", "1e999"}) {
    EXPECT_FALSE(ReadIntervalMinutes(text).has_value()) << '"' << text << '"';
  }
}

TEST(SetStepMode, LeavesExactlyOneFlagTrue) {
  SkyState sky;
  SetStepMode(sky, StepMode::kWeek);
  EXPECT_TRUE(sky.stepWeek);
  EXPECT_EQ(sky.stepRealTime + sky.stepMinutes + sky.stepDay + sky.stepWeek + sky.stepMonth +
                sky.stepYear,
            1);
  SetStepMode(sky, StepMode::kRealTime);
  EXPECT_TRUE(sky.stepRealTime);
  EXPECT_FALSE(sky.stepWeek);
}

}  // namespace
}  // namespace sternwerk
