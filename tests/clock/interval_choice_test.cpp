// The interval dialog's reading of its minutes field.
#include "clock/interval_choice.h"

#include <gtest/gtest.h>

namespace sternwerk {
namespace {

double Minutes(const char* text) {
  const Outcome<double> minutes = ReadIntervalMinutes(text);
  EXPECT_TRUE(minutes.ok()) << '"' << text << '"';
  return minutes.ok() ? minutes.value() : -1;
}

TEST(ReadIntervalMinutes, TakesEveryDecimalNumberExactly) {
  EXPECT_EQ(Minutes("15"), 15.0);
  EXPECT_EQ(Minutes("  1.5"), 1.5);
  EXPECT_EQ(Minutes("+.25"), 0.25);
  EXPECT_EQ(Minutes("5."), 5.0);
  EXPECT_EQ(Minutes("1e3"), 1000.0);
  EXPECT_EQ(Minutes("-5"), -5.0);
  EXPECT_EQ(Minutes("0"), 0.0);
}

// Minutes are written the German way as well: "1,5" is one and a half.
TEST(ReadIntervalMinutes, TheDecimalCommaStandsForThePoint) {
  EXPECT_EQ(Minutes("1,5"), 1.5);
  EXPECT_EQ(Minutes(" 1440,"), 1440.0);
  EXPECT_EQ(Minutes(",25"), 0.25);
  EXPECT_EQ(Minutes("-0,5"), -0.5);
  EXPECT_EQ(Minutes("2,5e2"), 250.0);
  for (const char* text : {"1,5,5", "1,2.5", "1.2,5", ",", "1 ,5", "1, 5"}) {
    EXPECT_FALSE(ReadIntervalMinutes(text).ok()) << '"' << text << '"';
  }
}

TEST(ReadIntervalMinutes, MalformedTextIsNoNumber) {
  for (const char* text :
       {"", "   ", "12abc", ".", "-", "+-5", "--5", "inf", "nan", "1e", "5 ", "0x1A", "1e999"}) {
    EXPECT_FALSE(ReadIntervalMinutes(text).ok()) << '"' << text << '"';
  }
}

// The clock's step in seconds under a minute, the singular for 1 only.
TEST(StepLengthText, NamesTheStepInSecondsUnderAMinute) {
  const std::pair<ClockSettings, const char*> cases[] = {
      {{.stepMode = StepMode::kRealTime}, "1 Sekunde"},
      {{.stepMode = StepMode::kMinutes, .intervalMinutes = 0.0167}, "1,002 Sekunden"},
      {{.stepMode = StepMode::kMinutes, .intervalMinutes = 1.5}, "1,5 Minuten"},
      {{.stepMode = StepMode::kMinutes, .intervalMinutes = 9e99}, "9e+99 Minuten"},
      {{.stepMode = StepMode::kWeek, .intervalMinutes = 0.5}, "7 Tage"}};
  for (const auto& [settings, text] : cases) EXPECT_EQ(StepLengthText(settings), text);
}

}  // namespace
}  // namespace sternwerk
