// The local time of a place at an instant and its texts; the offsets are
// tzdata's rules for the zones, the mean times longitude / 15 hours.
#include "places/local_time.h"

#include <gtest/gtest.h>

#include <vector>

#include "places/qt/civil_time.h"
#include "places/zone_texts.h"

namespace sternwerk {
namespace {

constexpr int kHour = 3600;

TEST(LocalTime, ZoneTimeMeanTimeAndUnknownZone) {
  const ClockSeconds midsummerNoon = ClockSecondsOf(21, 6, 2026, 12.0);
  const LocalTime berlin =
      LocalOf(SystemPlaceTimeRules(), {"Berlin", "", "", "Europe/Berlin"}, 13.4, midsummerNoon);
  EXPECT_EQ(berlin.reading, midsummerNoon + 2 * kHour);
  EXPECT_EQ(ZoneAbbreviationText(berlin.offset), "MESZ");
  EXPECT_TRUE(berlin.zoneProblem.empty());

  // Ulm before Germany's standard time of 1893: its own mean time, 9.99 E.
  const LocalTime ulm = LocalOf(SystemPlaceTimeRules(), {"Ulm", "", "", "Europe/Berlin"}, 9.99,
                                ClockSecondsOf(14, 3, 1879, 11.5));
  EXPECT_EQ(ulm.offset.seconds, 2398);  // 39 min 58 s
  EXPECT_EQ(ZoneAbbreviationText(ulm.offset), "mittlere Ortszeit");

  const LocalTime unknown =
      LocalOf(SystemPlaceTimeRules(), {"", "", "", "Mars/Olympus"}, -15.0, midsummerNoon);
  EXPECT_EQ(unknown.offset.seconds, -kHour);
  EXPECT_TRUE(unknown.offset.meanLocalTime);
  EXPECT_NE(unknown.zoneProblem.find("Mars/Olympus"), std::string::npos);

  const LocalTime typed = LocalOf(SystemPlaceTimeRules(), {}, 7.5, midsummerNoon);
  EXPECT_EQ(typed.offset.seconds, kHour / 2);
  EXPECT_TRUE(typed.zoneProblem.empty());
}

// The instants of a local reading by tzdata's Berlin, and the mean time
// that stands in for an unknown zone, for none, and without rules.
TEST(LocalTime, UniversalOfSkippedRepeatedAndFallenBackReadings) {
  const PlaceIdentity berlin{"Berlin", "", "", "Europe/Berlin"};
  const PlaceIdentity unknown{"", "", "", "Mars/Olympus"};
  const struct {
    PlaceTimeRules rules;
    PlaceIdentity place;
    ClockSeconds local;
    SkippedReading skipped;
    std::vector<int> offsets;  // of the instants, in their order
    bool problem;
  } cases[] = {
      {SystemPlaceTimeRules(),
       berlin,
       ClockSecondsOf(29, 3, 2026, 2.5),
       SkippedReading::kNoInstant,
       {},
       false},
      {SystemPlaceTimeRules(),
       berlin,
       ClockSecondsOf(29, 3, 2026, 2.5),
       SkippedReading::kInstantAfter,
       {kHour},
       false},
      {SystemPlaceTimeRules(),
       berlin,
       ClockSecondsOf(25, 10, 2026, 2.5),
       SkippedReading::kNoInstant,
       {2 * kHour, kHour},
       false},
      {SystemPlaceTimeRules(),
       unknown,
       ClockSecondsOf(29, 3, 2026, 2.5),
       SkippedReading::kNoInstant,
       {-kHour},
       true},
      {SystemPlaceTimeRules(),
       {},
       ClockSecondsOf(29, 3, 2026, 2.5),
       SkippedReading::kNoInstant,
       {-kHour},
       false},
      {{}, berlin, ClockSecondsOf(29, 3, 2026, 2.5), SkippedReading::kNoInstant, {-kHour}, false},
  };
  for (const auto& [rules, place, local, skipped, offsets, problem] : cases) {
    const UniversalTimes times = UniversalOf(rules, place, -15.0, local, skipped);
    std::vector<int> found;
    for (const UniversalTime& instant : times.instants) {
      found.push_back(instant.offset.seconds);
      // Each instant reads as `local` under its offset, a skipped reading
      // under the offset before the gap.
      EXPECT_EQ(instant.seconds + instant.offset.seconds, local) << place.timeZone;
    }
    EXPECT_EQ(found, offsets) << place.timeZone << " " << ReadingOf(local).month;
    EXPECT_EQ(!times.zoneProblem.empty(), problem) << place.timeZone;
  }
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
