// The local time of a place at an instant and its texts; the offsets are
// tzdata's rules for the zones, the mean times longitude / 15 hours.
#include "places/qt/local_time.h"

#include <gtest/gtest.h>

namespace sternwerk {
namespace {

constexpr int kHour = 3600;

TEST(LocalTime, ZoneTimeMeanTimeAndUnknownZone) {
  const ClockSeconds midsummerNoon = ClockSecondsOf(21, 6, 2026, 12.0);
  const LocalTime berlin = LocalTimeAt({"Berlin", "", "", "Europe/Berlin"}, 13.4, midsummerNoon);
  EXPECT_EQ(berlin.reading, midsummerNoon + 2 * kHour);
  EXPECT_EQ(ZoneAbbreviationText(berlin.offset), "MESZ");
  EXPECT_TRUE(berlin.zoneProblem.empty());

  // Ulm before Germany's standard time of 1893: its own mean time, 9.99 E.
  const LocalTime ulm =
      LocalTimeAt({"Ulm", "", "", "Europe/Berlin"}, 9.99, ClockSecondsOf(14, 3, 1879, 11.5));
  EXPECT_EQ(ulm.offset.seconds, 2398);  // 39 min 58 s
  EXPECT_EQ(ZoneAbbreviationText(ulm.offset), "mittlere Ortszeit");

  const LocalTime unknown = LocalTimeAt({"", "", "", "Mars/Olympus"}, -15.0, midsummerNoon);
  EXPECT_EQ(unknown.offset.seconds, -kHour);
  EXPECT_TRUE(unknown.offset.meanLocalTime);
  EXPECT_NE(unknown.zoneProblem.find("Mars/Olympus"), std::string::npos);

  const LocalTime typed = LocalTimeAt({}, 7.5, midsummerNoon);
  EXPECT_EQ(typed.offset.seconds, kHour / 2);
  EXPECT_TRUE(typed.zoneProblem.empty());
}

TEST(LocalTime, AbbreviationsAndOffsetTexts) {
  EXPECT_EQ(ZoneAbbreviationText({kHour, "CET", false}), "MEZ");
  EXPECT_EQ(ZoneAbbreviationText({-5 * kHour, "EST", false}), "EST");
  EXPECT_EQ(ShortOffsetText(kHour), "UT+1");
  EXPECT_EQ(ShortOffsetText(-(3 * kHour + 1800)), "UT-3:30");
  EXPECT_EQ(ShortOffsetText(2398), "UT+0:39:58");
  EXPECT_EQ(ShortOffsetText(0), "UT+0");
  EXPECT_EQ(FullOffsetText(5 * kHour + 2700), "UT+5:45:00");
  EXPECT_EQ(FullOffsetText(-561), "UT-0:09:21");
}

}  // namespace
}  // namespace sternwerk
