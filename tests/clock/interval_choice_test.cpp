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

}  // namespace
}  // namespace sternwerk
