// The interval dialog's reading of its minutes field.
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

}  // namespace
}  // namespace sternwerk
