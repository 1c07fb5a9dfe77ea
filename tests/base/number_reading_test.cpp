// Whole numbers as the date/time/place dialog reads its fields.
#include "base/number_reading.h"

#include <gtest/gtest.h>

namespace sternwerk {
namespace {

TEST(ReadWholeNumber, TakesLeadingBlanksAndOneSign) {
  EXPECT_EQ(ReadWholeNumber("2026"), 2026);
  EXPECT_EQ(ReadWholeNumber("  07"), 7);
  EXPECT_EQ(ReadWholeNumber("-5"), -5);
  EXPECT_EQ(ReadWholeNumber(" +12"), 12);
  for (const char* text : {"", " ", "-", "+-5", "--5", "5 ", "5.", ".5", "1e3", "0x10", "12a",
                           "99999999999999999999"}) {
    EXPECT_FALSE(ReadWholeNumber(text).has_value()) << '"' << text << '"';
  }
}

TEST(ReadUnsignedNumber, RefusesEverySign) {
  EXPECT_EQ(ReadUnsignedNumber(" 09"), 9);
  EXPECT_FALSE(ReadUnsignedNumber("-1").has_value());
  EXPECT_FALSE(ReadUnsignedNumber("+1").has_value());
  EXPECT_FALSE(ReadUnsignedNumber("").has_value());
}

}  // namespace
}  // namespace sternwerk
