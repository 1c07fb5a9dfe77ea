// The input lines of sternwerk-sky --tsv: which lines are read, and into what.
#include "tools/tsv_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/sky.h"
#include "tools/sky_report.h"

namespace sternwerk {
namespace {

TEST(TsvInput, ReadsDateHoursAndPlaceSeparatedByBlanksOrTabs) {
  SkyState sky;
  ASSERT_TRUE(ReadTsvInput("4\t4 2000  18.25 -13.5 +52.5", sky));
  EXPECT_EQ(sky.day, 4);
  EXPECT_EQ(sky.month, 4);
  EXPECT_EQ(sky.year, 2000);
  EXPECT_DOUBLE_EQ(sky.hours, 18.25);
  EXPECT_DOUBLE_EQ(sky.longitude, -13.5);
  EXPECT_TRUE(sky.isWest);
  EXPECT_DOUBLE_EQ(sky.latitude, 52.5);
  EXPECT_FALSE(sky.isSouth);
  for (const char* edge : {"29 2 2000 0 -180 -90", "31 12 9999 24 180 90", "1 1 1600 0 0 0"}) {
    EXPECT_TRUE(ReadTsvInput(edge, sky)) << edge;
  }
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
    SkyState sky;
    sky.year = 1234;
    EXPECT_FALSE(ReadTsvInput(line, sky)) << line;
    EXPECT_EQ(sky.year, 1234) << "the sky must stay unchanged for " << line;
  }
}

TEST(TsvInput, MalformedLinesAreRefused) {
  for (const char* line :
       {"", "1 1 2000 12 10", "1 1 2000 12 10 50 7", "1 1 2000 nan 10 50", "1.5 1 2000 0 10 50",
        "99999999999 1 2000 0 10 50", "a b c d e f", "1 1 2000 1e2 10 50"}) {
    SkyState sky;
    EXPECT_FALSE(ReadTsvInput(line, sky)) << line;
  }
}

TEST(TsvInput, EveryAcceptedLineGivesAllTwentySixFields) {
  for (const char* line : {"31 12 9999 24 180 90", "1 1 1600 0 -180 -90"}) {
    SkyState sky;
    ASSERT_TRUE(ReadTsvInput(line, sky)) << line;
    ComputeSky(sky);
    const std::string output = TsvLine(sky);
    EXPECT_EQ(std::count(output.begin(), output.end(), '\t'), 25) << output;
  }
}

}  // namespace
}  // namespace sternwerk
