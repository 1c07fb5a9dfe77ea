// Rise, transit, set, twilight and the Moon's phase against published
// almanac values: the US Naval Observatory's "Sun and Moon data for one
// day" for Atlanta, 6 September 2009 (33.8 N, 84.4 W, EDT); a published
// table for Cape Town, 3 June 2026 (SAST); the Naval Observatory's
// phases of the Moon of April 2024; and, at high latitudes, which
// twilights a day has at all, from the Sun's lowest and highest altitude
// at the solstices (latitude and declination alone).
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "engine/calendar.h"
#include "observing/day_events.h"
#include "observing/moon_phase.h"
#include "observing/twilight.h"
#include "tests/observing/worst_error.h"

namespace sternwerk {
namespace {

using testing::WorstError;

constexpr ClockSeconds kSecondsPerHour = 3600;
constexpr ClockSeconds kSecondsPerDay = 86400;

struct Place {
  const char* name;
  ObserverPlace where;
  int utcOffsetHours;  // of the civil time of the table
};
constexpr Place kAtlanta = {"Atlanta", {-84.4, 33.8, 0}, -4};
constexpr Place kCapeTown = {"Cape Town", {18.4232, -33.9258, 0}, 2};

// The local day of a date at the place, in Universal Time.
LocalDay DayAt(const Place& place, int day, int month, int year) {
  const ClockSeconds start = ClockSecondsOf(day, month, year, -place.utcOffsetHours);
  return {start, start + kSecondsPerDay};
}

enum class Event { kRise, kTransit, kSet, kDawn, kDusk };

std::optional<ClockSeconds> Find(Event event, int factor, TwilightDepth depth, const LocalDay& day,
                                 const ObserverPlace& place) {
  if (event == Event::kDawn || event == Event::kDusk) {
    const auto found = TwilightIn(
        depth, event == Event::kDawn ? TwilightEdge::kDawn : TwilightEdge::kDusk, day, place);
    EXPECT_TRUE(found.ok()) << found.error();
    return found.ok() ? found.value() : std::nullopt;
  }
  const Outcome<HorizonDay> found = HorizonDayOf(factor, day, place);
  EXPECT_TRUE(found.ok()) << found.error();
  if (!found.ok()) return std::nullopt;
  return event == Event::kRise      ? found.value().rise
         : event == Event::kTransit ? found.value().transit
                                    : found.value().set;
}

struct AlmanacTime {
  const Place* place;
  int day, month, year;
  Event event;
  int factor;
  TwilightDepth depth;
  double localHours;  // as published
  const char* what;
  double toleranceSeconds = 60;
};

double H(int hours, int minutes, int seconds = 0) {
  return hours + minutes / 60.0 + seconds / 3600.0;
}

// The Naval Observatory rounds to the minute; the Cape Town table gives
// seconds for a place a few hundred metres from ours, its astronomical
// twilight 1.5 minutes deeper into the night than the Sun's centre at
// 18° (as if with its own refraction).
const AlmanacTime kAlmanacTimes[] = {
    {&kAtlanta, 6, 9, 2009, Event::kRise, kSun, {}, H(7, 15), "sunrise"},
    {&kAtlanta, 6, 9, 2009, Event::kTransit, kSun, {}, H(13, 36), "sun transit"},
    {&kAtlanta, 6, 9, 2009, Event::kSet, kSun, {}, H(19, 56), "sunset"},
    {&kAtlanta, 6, 9, 2009, Event::kDawn, kSun, TwilightDepth::kCivil, H(6, 50), "civil dawn"},
    {&kAtlanta, 6, 9, 2009, Event::kDusk, kSun, TwilightDepth::kCivil, H(20, 21), "civil dusk"},
    {&kAtlanta, 6, 9, 2009, Event::kRise, kMoon, {}, H(20, 44), "moonrise"},
    {&kAtlanta, 6, 9, 2009, Event::kTransit, kMoon, {}, H(2, 37), "moon transit"},
    {&kAtlanta, 6, 9, 2009, Event::kSet, kMoon, {}, H(9, 5), "moonset"},
    {&kCapeTown, 3, 6, 2026, Event::kDawn, kSun, TwilightDepth::kAstronomical, H(6, 13, 49),
     "astronomical dawn", 120},
    {&kCapeTown, 3, 6, 2026, Event::kRise, kSun, {}, H(7, 44, 3), "sunrise"},
    {&kCapeTown, 3, 6, 2026, Event::kTransit, kSun, {}, H(12, 44, 29), "solar noon"},
    {&kCapeTown, 3, 6, 2026, Event::kSet, kSun, {}, H(17, 44, 45), "sunset"},
    {&kCapeTown, 3, 6, 2026, Event::kDusk, kSun, TwilightDepth::kAstronomical, H(19, 15, 0),
     "astronomical dusk", 120},
};

TEST(Almanac, RiseTransitSetAndTwilightMatchPublishedTables) {
  WorstError worst("event time (s)");
  for (const AlmanacTime& row : kAlmanacTimes) {
    const std::string where = std::string(row.place->name) + " " + row.what;
    const LocalDay day = DayAt(*row.place, row.day, row.month, row.year);
    const std::optional<ClockSeconds> found =
        Find(row.event, row.factor, row.depth, day, row.place->where);
    ASSERT_TRUE(found.has_value()) << where;
    const double expected = static_cast<double>(day.start) + row.localHours * kSecondsPerHour;
    EXPECT_LE(worst.Add(static_cast<double>(*found), expected, where), row.toleranceSeconds)
        << where;
  }
}

// Which events a solstice day has. The Sun's lowest altitude is latitude +
// declination - 90 degrees for a northern place in June (Berlin 52.5 N:
// -14.0, Reykjavik 64.1 N: -2.4), and in December -(latitude - 90 +
// 23.4) for Punta Arenas 53.2 S: -13.4; its highest at Tromsø 69.6 N in
// December 90 - latitude - 23.4 = -3.1.
TEST(Almanac, HighLatitudesLackTheTwilightsTheSunDoesNotReach) {
  struct Case {
    const char* name;
    ObserverPlace place;
    int month;
    bool sunrise;
    bool civil, nautical, astronomical;  // dawn and dusk alike
  };
  for (const Case c : {
           Case{"Berlin", {13.40, 52.52, 0}, 6, true, true, true, false},
           Case{"Reykjavik", {-21.90, 64.14, 0}, 6, true, false, false, false},
           Case{"Punta Arenas", {-70.91, -53.16, 0}, 12, true, true, true, false},
           Case{"Tromsø", {18.96, 69.65, 0}, 12, false, true, true, true},
           Case{"Tromsø", {18.96, 69.65, 0}, 6, false, false, false, false},
       }) {
    SCOPED_TRACE(std::string(c.name) + " in month " + std::to_string(c.month));
    // The day around local noon, whatever the zone.
    const ClockSeconds noon = ClockSecondsOf(21, c.month, 2026, 12 - c.place.longitude / 15);
    const LocalDay day{noon - kSecondsPerDay / 2, noon + kSecondsPerDay / 2};
    const Outcome<HorizonDay> sun = HorizonDayOf(kSun, day, c.place);
    ASSERT_TRUE(sun.ok()) << sun.error();
    EXPECT_EQ(sun.value().rise.has_value(), c.sunrise);
    EXPECT_EQ(sun.value().set.has_value(), c.sunrise);
    const Outcome<DayTwilights> twilights = TwilightsOf(day, c.place);
    ASSERT_TRUE(twilights.ok()) << twilights.error();
    const bool expected[] = {c.civil, c.nautical, c.astronomical};
    for (std::size_t depth = 0; depth < kTwilightDepths.size(); ++depth) {
      EXPECT_EQ(twilights.value().dawn[depth].has_value(), expected[depth]) << "dawn " << depth;
      EXPECT_EQ(twilights.value().dusk[depth].has_value(), expected[depth]) << "dusk " << depth;
    }
  }
}

// The Naval Observatory's phases of April 2024 (UT): new moon 8 April
// 18:21, first quarter 15 April 19:13, full moon 23 April 23:49, last
// quarter 1 May 11:27.
TEST(MoonPhases, NameLitFractionAndAgeFollowThePublishedPhases) {
  const ClockSeconds newMoon = ClockSecondsOf(8, 4, 2024, H(18, 21));
  struct Case {
    ClockSeconds instant;
    MoonPhaseName name;
    double illuminated;  // negative: not checked
  };
  WorstError age("Moon's age (days)");
  for (const Case c : {
           Case{ClockSecondsOf(12, 4, 2024, H(18, 21)), MoonPhaseName::kWaxingCrescent, -1},
           Case{ClockSecondsOf(15, 4, 2024, H(19, 13)), MoonPhaseName::kFirstQuarter, 0.5},
           Case{ClockSecondsOf(19, 4, 2024, 12), MoonPhaseName::kWaxingGibbous, -1},
           Case{ClockSecondsOf(23, 4, 2024, H(23, 49)), MoonPhaseName::kFull, 1},
           Case{ClockSecondsOf(27, 4, 2024, 12), MoonPhaseName::kWaningGibbous, -1},
           Case{ClockSecondsOf(1, 5, 2024, H(11, 27)), MoonPhaseName::kLastQuarter, 0.5},
           Case{ClockSecondsOf(5, 5, 2024, 0), MoonPhaseName::kWaningCrescent, -1},
       }) {
    const Outcome<MoonPhase> phase = MoonPhaseAt(c.instant);
    ASSERT_TRUE(phase.ok()) << phase.error();
    const std::string where = MoonPhaseText(c.name);
    EXPECT_EQ(MoonPhaseText(phase.value().name), where);
    const double expectedAge = static_cast<double>(c.instant - newMoon) / kSecondsPerDay;
    // The published new moon is rounded to the minute.
    EXPECT_LE(age.Add(phase.value().ageDays, expectedAge, where), 0.002) << where;
    if (c.illuminated >= 0) {
      EXPECT_NEAR(phase.value().illuminated, c.illuminated, 0.02) << where;
    }
  }
}

}  // namespace
}  // namespace sternwerk
