// The input lines of sternwerk-sky --tsv: which lines are read, and into what.
#include "tools/tsv_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/sky.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"

namespace sternwerk {
namespace {

TEST(TsvInput, ReadsDateHoursAndPlaceSeparatedByBlanksOrTabs) {
  SkyState sky = ReadTsvInput("4\t4 2000  18.25 -13.5 +52.5").value();
  EXPECT_EQ(sky.day, 4);
  EXPECT_EQ(sky.month, 4);
  EXPECT_EQ(sky.year, 2000);
  EXPECT_DOUBLE_EQ(sky.hours, 18.25);
  EXPECT_DOUBLE_EQ(sky.longitude, -13.5);
  EXPECT_TRUE(sky.isWest);
  EXPECT_DOUBLE_EQ(sky.latitude, 52.5);
  EXPECT_FALSE(sky.isSouth);
  for (const char* edge : {"29 2 2000 0 -180 -90", "31 12 9999 24 180 90", "1 1 1600 0 0 0"}) {
    EXPECT_TRUE(ReadTsvInput(edge).ok()) << edge;
  }
  EXPECT_EQ(ReadTsvInput("+4 04 +2000 0 10 50").value().dateText, "04.04.2000")
      << "whole numbers take a sign and leading zeros";
  sky = ReadTsvInput("4 4 2000 18,25 -13,5 52,5").value();
  EXPECT_DOUBLE_EQ(sky.hours, 18.25);
  EXPECT_DOUBLE_EQ(sky.longitude, -13.5);
  EXPECT_DOUBLE_EQ(sky.latitude, 52.5);
}

TEST(TsvInput, HoursAlsoAsClockTimeAndPlacesInDegreesAndMinutes) {
  const SkyState clock = ReadTsvInput("4 4 2000 18:15:36 9:59W 48°24'").value();
  EXPECT_DOUBLE_EQ(clock.hours, 18 + 15 / 60.0 + 36 / 3600.0) << "no typed time's 0.0001 hour";
  EXPECT_NEAR(clock.longitude, -(9 + 59 / 60.0), 1e-12);
  EXPECT_NEAR(clock.latitude, 48.4, 1e-12);
  EXPECT_DOUBLE_EQ(ReadTsvInput("4 4 2000 24:00 0 0").value().hours, 24);
  for (const char* bad : {"4 4 2000 24:01 0 0", "4 4 2000 12:60 0 0", "4 4 2000 12: 0 0"}) {
    EXPECT_NE(ReadTsvInput(bad).error().find("Zeit \""), std::string::npos) << bad;
  }
}

TEST(TsvInput, BlankLinesAndCommentsCarryNoValues) {
  for (const char* line : {"", "  \t\r", "# Tag Monat Jahr", "  # 1 1 2000 0 10 50"}) {
    EXPECT_FALSE(HasTsvValues(line)) << line;
  }
  EXPECT_TRUE(HasTsvValues("1 1 2000 0 10 50 # noon"));
}

// The message names the field and the value it refuses.
std::string Refusal(const std::string& line) {
  const Outcome<SkyState> sky = ReadTsvInput(line);
  EXPECT_FALSE(sky.ok()) << "accepted: " << line;
  return sky.error();
}

// Values outside the bounds of the command line's arguments used to be
// computed: a month 13 or a day 31 of February as some other date, and huge
// hours into numbers too long for their output field, which then lost its
// tab.
TEST(TsvInput, DatesHoursAndPlacesOutOfBoundsAreRefused) {
  for (const char* line :
       {"1 13 2026 0 10 50", "0 1 2026 0 10 50", "31 2 2026 0 10 50", "29 2 1900 0 10 50",
        "31 12 1599 0 10 50", "1 1 10000 0 10 50", "1 1 2000 -0.5 10 50", "1 1 2000 24.01 10 50",
        "1 1 2000 1222222222222222222222222222222222222222222222222 10 50", "1 1 2000 12 180.5 50",
        "1 1 2000 12 -181 50", "1 1 2000 12 10 90.01", "1 1 2000 12 10 -91"}) {
    EXPECT_FALSE(Refusal(line).empty()) << line;
  }
  EXPECT_EQ(Refusal("31 4 2026 0 10 50"), "31.4.2026 ist kein gültiges Datum");
  EXPECT_EQ(Refusal("31 12 1599 0 10 50"),
            "31.12.1599 ist kein gültiges Datum (Jahre 1600 bis 9999)");
  EXPECT_EQ(Refusal("1 1 10000 0 10 50"),
            "1.1.10000 ist kein gültiges Datum (Jahre 1600 bis 9999)");
  EXPECT_EQ(Refusal("1 1 2000 24,5 10 50"), "Stunden \"24,5\": muss zwischen 0 und 24 liegen");
  EXPECT_EQ(Refusal("1 1 2000 12 200 50"), "Länge \"200\": muss zwischen -180 und 180 liegen");
  EXPECT_EQ(Refusal("1 1 2000 12 10 N"), "Breite \"N\": keine Dezimalzahl");
  const char withControls[] = "\x0b\0\x1b 1 2000 12 10 50";
  EXPECT_EQ(Refusal(std::string(withControls, sizeof withControls - 1)),
            "??.1.2000 ist kein gültiges Datum")
      << "control characters are not written into the message";
}

TEST(TsvInput, MalformedLinesAreRefused) {
  for (const char* line :
       {"", "1 1 2000 12 10", "1 1 2000 12 10 50 7", "1 1 2000 nan 10 50", "1.5 1 2000 0 10 50",
        "99999999999 1 2000 0 10 50", "a b c d e f", "1 1 2000 1e2 10 50"}) {
    EXPECT_FALSE(Refusal(line).empty()) << line;
  }
  EXPECT_EQ(Refusal("1 1 2000 12 10"),
            "erwartet 6 Felder \"Tag Monat Jahr Stunden Länge Breite\", nicht 5");
}

TEST(TsvInput, EveryAcceptedLineGivesAllTwentySixFields) {
  for (const char* line : {"31 12 9999 24 180 90", "1 1 1600 0 -180 -90"}) {
    SkyState sky = ReadTsvInput(line).value();
    ComputeSky(sky);
    const std::string output = TsvLine(sky);
    EXPECT_EQ(std::count(output.begin(), output.end(), '\t'), 25) << output;
  }
}

}  // namespace
}  // namespace sternwerk
