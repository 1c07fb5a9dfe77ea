#include "tools/sky_arguments.h"

#include <gtest/gtest.h>

#include "engine/text_forms.h"

namespace sternwerk {
namespace {

TEST(ParseDate, AcceptsRealDatesFrom1600) {
  const CalendarDate date = ParseDate("07.12.2026");
  EXPECT_EQ(date.day, 7);
  EXPECT_EQ(date.month, 12);
  EXPECT_EQ(date.year, 2026);
  EXPECT_EQ(ParseDate("29.02.2000").day, 29);
  EXPECT_EQ(ParseDate("1.3.1600").month, 3);
  EXPECT_EQ(ParseDate("31.12.9999").year, 9999);
}

TEST(ParseDate, RejectsImpossibleAndMalformedDatesNamingThem) {
  for (const char* text : {"31.02.2026", "29.02.1900", "29.02.2023", "31.04.2024", "00.01.2000",
                           "01.13.2000", "31.12.1599", "1.1.20000", "01-01-2000", "aa.bb.cccc", "",
                           "01.01.", "..2000", "+1.01.2000", "01.01.2000x"}) {
    try {
      ParseDate(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const UsageError& error) {
      EXPECT_NE(std::string(error.what()).find(std::string("\"") + text + "\""), std::string::npos)
          << error.what();
    }
  }
}

TEST(ParseTime, TypedTimesCarryTheExtraTenThousandthHour) {
  EXPECT_DOUBLE_EQ(ParseTime("13:00"), 13.0001);
  EXPECT_DOUBLE_EQ(ParseTime("18:14"), 18 + 14 / 60.0 + 0.0001);
  EXPECT_DOUBLE_EQ(ParseTime("00:00:30"), 30 / 3600.0 + 0.0001);
  EXPECT_DOUBLE_EQ(ParseTime("24:00"), 24.0001);
  EXPECT_EQ(FormatHours(ParseTime("23:59:59")), "23:59:59");
}

TEST(ParseTime, RejectsTimesPast24AndMalformedTimes) {
  for (const char* text : {"24:01", "24:00:01", "25:00", "12:60", "12:00:60", "12", "12:00:00:00",
                           "-1:00", "12:-5", "ab:cd", "", "12:", ":30", "12.30"}) {
    EXPECT_THROW(ParseTime(text), UsageError) << text;
  }
}

TEST(ParseDegrees, DecimalDegreesWithinTheirRange) {
  EXPECT_DOUBLE_EQ(ParseDegrees("13.366767", "Länge", -180, 180), 13.366767);
  EXPECT_DOUBLE_EQ(ParseDegrees("-180", "Länge", -180, 180), -180);
  EXPECT_DOUBLE_EQ(ParseDegrees("+52.5", "Breite", -90, 90), 52.5);
  EXPECT_DOUBLE_EQ(ParseDegrees("-10,5", "Länge", -180, 180), -10.5) << "the decimal comma";
  for (const char* text : {"180.5", "-90.01", "abc", "", "1e2", "nan", "inf", "10,5,5", "1,2.5",
                           "10.5x", "+-3", "--3"}) {
    EXPECT_THROW(ParseDegrees(text, "Breite", -90, 90), UsageError) << text;
  }
}

TEST(ParseNumbers, IntegersOverflowingAnIntAreNotNumbers) {
  int value = 0;
  EXPECT_TRUE(ParseInteger("2026", value));
  EXPECT_EQ(value, 2026);
  EXPECT_TRUE(ParseInteger("-5", value));
  EXPECT_FALSE(ParseInteger("99999999999", value));
  EXPECT_FALSE(ParseInteger("7.5", value));
}

}  // namespace
}  // namespace sternwerk
