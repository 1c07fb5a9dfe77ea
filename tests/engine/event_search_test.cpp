// The event scans: their result against a scan that recomputes the whole sky
// at every step, the edge cases of midnight, later days and 0/360 degrees,
// the bound and the cancel.
#include "engine/event_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/sky.h"
#include "engine/text_forms.h"

namespace sternwerk {
namespace {

SkyState SkyAt(int day, int month, int year, double hours, double longitude, double latitude) {
  SkyState sky;
  SetInstant(sky, day, month, year, hours);
  sky.longitude = longitude;
  sky.latitude = latitude;
  return sky;
}

struct Event {
  bool found = false;
  std::string date;
  int step = 0;  // steps after midnight of that date
};

// The scan in its plainest form: every step recomputes the whole sky and
// compares the unreduced difference; a lunation goes on through the band and
// keeps its step of least difference.
Event PlainScan(SkyState sky, EventKind kind, int factor, int maxDays,
                ComputationMode mode = ComputationMode::kOwn) {
  const bool lunation = kind == EventKind::kFullMoon || kind == EventKind::kNewMoon;
  const int stepsPerHour = lunation ? 120 : 3600;
  const double tolerance = lunation ? 0.1 : 0.006;
  if (lunation) factor = kMoon;
  const auto opposite = [](double longitude) {
    return longitude - 180 < 0 ? longitude - 180 + 360 : longitude - 180;
  };
  int step = 0;
  Event closest;
  double closestDistance = tolerance;
  for (int day = 0; day < maxDays;) {
    sky.hours = static_cast<double>(step) / stepsPerHour;
    ComputeSky(sky, mode);
    double target = 0;
    switch (kind) {
      case EventKind::kRise:
        target = sky.longitudes[kAscendant];
        break;
      case EventKind::kSet:
        target = opposite(sky.longitudes[kAscendant]);
        break;
      case EventKind::kCulmination:
        target = sky.longitudes[kMC];
        break;
      case EventKind::kFullMoon:
        target = opposite(sky.longitudes[kSun]);
        break;
      case EventKind::kNewMoon:
        target = sky.longitudes[kSun];
        break;
    }
    const double distance = std::fabs(target - sky.longitudes[factor]);
    if (distance < tolerance && !lunation) return {true, sky.dateText, step};
    if (distance < closestDistance) {
      closest = {true, sky.dateText, step};
      closestDistance = distance;
    } else if (distance >= tolerance && closest.found) {
      return closest;
    }
    if (++step == stepsPerHour * 24) {
      NextDay(sky);
      step = 0;
      ++day;
    }
  }
  return closest;
}

Event FastScan(SkyState& sky, EventKind kind, int factor, int maxDays,
               ComputationMode mode = ComputationMode::kOwn) {
  if (SearchEvent(sky, kind, factor, {}, maxDays, mode) != SearchStatus::kFound) return {};
  const int stepsPerHour = IsLunation(kind) ? kLunationStepsPerHour : kAxisStepsPerHour;
  const int step = static_cast<int>(std::lround(sky.hours * stepsPerHour));
  EXPECT_EQ(sky.hours, static_cast<double>(step) / stepsPerHour)
      << "the found instant is exactly a whole number of steps after midnight";
  return {true, sky.dateText, step};
}

std::string TimeOfStep(int step, int stepsPerHour) {
  const int seconds = step * (3600 / stepsPerHour);
  return ZeroPad(seconds / 3600, 2) + ":" + ZeroPad(seconds / 60 % 60, 2) + ":" +
         ZeroPad(seconds % 60, 2);
}

const char* KindName(EventKind kind) {
  switch (kind) {
    case EventKind::kRise:
      return "rise";
    case EventKind::kSet:
      return "set";
    case EventKind::kCulmination:
      return "culmination";
    case EventKind::kFullMoon:
      return "full moon";
    case EventKind::kNewMoon:
      return "new moon";
  }
  return "";
}

struct Case {
  SkyState sky;
  EventKind kind;
  int factor;
};

std::vector<int> SearchableFactors() {
  std::vector<int> factors;
  for (int factor = 0; factor < kFactorSlots; ++factor) {
    if (IsSearchableFactor(factor)) factors.push_back(factor);
  }
  return factors;
}

// Moves the start on, day by day, to a date without the event of the Moon:
// it culminates, rises and sets some 50 minutes later from day to day.
SkyState MoonSkipDay(SkyState start, EventKind kind) {
  for (int day = 0; day < 31; ++day, NextDay(start)) {
    SkyState probe = start;
    if (SearchEvent(probe, kind, kMoon, {}, 1) == SearchStatus::kNotFound) return start;
  }
  return start;
}

// Seeded random cases of one kind, dates 1900 to 2100, latitudes -66 to 66,
// the factors in turn. Every fourth case starts on 20 or 21 March, where the
// Sun, and with it the lunations, pass 0 degrees; for the axis events every
// fourth case after it starts on a date on which the Moon has no event.
std::vector<Case> RandomCases(EventKind kind, int count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> year(1900, 2100), month(1, 12), day(1, 28);
  std::uniform_real_distribution<double> latitude(-66, 66), longitude(-180, 180);
  const std::vector<int> factors = SearchableFactors();
  std::vector<Case> cases;
  for (int i = 0; i < count; ++i) {
    const bool equinox = i % 4 == 0;
    const bool moonSkip = i % 4 == 1 && !IsLunation(kind);
    SkyState sky = SkyAt(equinox ? 20 + i / 4 % 2 : day(random), equinox ? 3 : month(random),
                         year(random), 12, longitude(random), latitude(random));
    int factor = factors[static_cast<std::size_t>(i) % factors.size()];
    if (equinox) factor = kSun;
    if (moonSkip) {
      factor = kMoon;
      sky = MoonSkipDay(sky, kind);
    }
    cases.push_back({sky, kind, factor});
  }
  return cases;
}

// Days scanned by both scans in the comparison of axis events: enough for
// the Moon's skipped days and the fast Ascendent of high latitudes, short
// enough for the plain scan to stay affordable.
constexpr int kComparedAxisDays = 3;

class EventScanEqualsPlainScan : public ::testing::TestWithParam<EventKind> {};

TEST_P(EventScanEqualsPlainScan, OnSeededRandomCases) {
  const EventKind kind = GetParam();
  const int days = IsLunation(kind) ? kLunationSearchDays : kComparedAxisDays;
  const int stepsPerHour = IsLunation(kind) ? kLunationStepsPerHour : kAxisStepsPerHour;
  int laterDays = 0, nearZero = 0;
  for (const Case& c : RandomCases(kind, 42, 20260501u + static_cast<unsigned>(kind))) {
    SkyState sky = c.sky;
    const Event plain = PlainScan(c.sky, kind, c.factor, days);
    const Event fast = FastScan(sky, kind, c.factor, days);
    const std::string label = std::string(KindName(kind)) + " of factor " +
                              std::to_string(c.factor) + " from " + c.sky.dateText + " at " +
                              std::to_string(c.sky.longitude) + ", " +
                              std::to_string(c.sky.latitude);
    ASSERT_EQ(fast.found, plain.found) << label;
    if (!plain.found) continue;
    EXPECT_EQ(fast.date, plain.date) << label;
    EXPECT_EQ(fast.step, plain.step) << label;
    EXPECT_EQ(FormatHours(sky.hours), TimeOfStep(plain.step, stepsPerHour)) << label;
    if (plain.date != c.sky.dateText) ++laterDays;
    const double longitude = sky.longitudes[IsLunation(kind) ? kMoon : c.factor];
    if (longitude < 0.5 || longitude > 359.5) ++nearZero;
  }
  EXPECT_GT(laterDays, 0) << "no case continued into a later day";
  if (!IsLunation(kind)) {
    EXPECT_GT(nearZero, 0) << "no case met near 0/360 degrees";
  }
  std::cout << KindName(kind) << ": " << laterDays << " cases found on a later day, " << nearZero
            << " within half a degree of 0/360\n";
}

INSTANTIATE_TEST_SUITE_P(AllKinds, EventScanEqualsPlainScan,
                         ::testing::Values(EventKind::kRise, EventKind::kSet,
                                           EventKind::kCulmination, EventKind::kFullMoon,
                                           EventKind::kNewMoon),
                         [](const auto& kindInfo) {
                           std::string name = KindName(kindInfo.param);
                           std::erase(name, ' ');
                           return name;
                         });

// A case moved so that its event comes soon after midnight, which keeps the
// plain scan over precise skies affordable: the axis events by moving the
// place east by the sidereal angle the event came after the wanted delay
// (less the Moon's own motion), the lunations by starting on their date
// (the day before when they come in its first hour).
SkyState NearMidnight(const Case& c, std::mt19937& random) {
  SkyState probe = c.sky;
  if (SearchEvent(probe, c.kind, c.factor) != SearchStatus::kFound) return c.sky;
  SkyState sky = SkyAt(probe.day, probe.month, probe.year, 0, c.sky.longitude, c.sky.latitude);
  if (IsLunation(c.kind)) {
    const bool nearMidnight = probe.hours < 1 && probe.day > 1;
    return SkyAt(nearMidnight ? probe.day - 1 : probe.day, probe.month, probe.year, 0, 0, 0);
  }
  const bool moon = c.factor == kMoon;
  std::uniform_real_distribution<double> delay(moon ? 0.3 : 0.05, moon ? 0.5 : 0.3);
  const double degreesPerHour = moon ? 15.04 - 0.55 : 15.04;
  sky.longitude =
      std::remainder(sky.longitude + degreesPerHour * (probe.hours - delay(random)), 360);
  sky.latitude = c.sky.latitude;
  return sky;
}

// The precise search keeps the scan's meaning: the same date and second as
// the plain scan recomputing the whole precise sky at every step.
TEST(EventSearch, PreciseScanEqualsPlainPreciseScan) {
  std::mt19937 random(20261208u);
  int compared = 0;
  for (const EventKind kind : {EventKind::kRise, EventKind::kSet, EventKind::kCulmination,
                               EventKind::kFullMoon, EventKind::kNewMoon}) {
    const int count = IsLunation(kind) ? 10 : 27;
    const int days = IsLunation(kind) ? 3 : 2;
    for (const Case& c : RandomCases(kind, count, 20261208u + static_cast<unsigned>(kind))) {
      const SkyState start = NearMidnight(c, random);
      SkyState sky = start;
      const Event plain = PlainScan(start, kind, c.factor, days, ComputationMode::kPrecise);
      const Event fast = FastScan(sky, kind, c.factor, days, ComputationMode::kPrecise);
      const std::string label = std::string(KindName(kind)) + " of factor " +
                                std::to_string(c.factor) + " from " + start.dateText;
      ASSERT_EQ(fast.found, plain.found) << label;
      if (!plain.found) continue;
      ++compared;
      EXPECT_EQ(fast.date, plain.date) << label;
      EXPECT_EQ(fast.step, plain.step) << label;
      SkyState precise = sky;
      ComputeSky(precise, ComputationMode::kPrecise);
      EXPECT_EQ(sky.longitudes, precise.longitudes) << label;
    }
  }
  EXPECT_GE(compared, 100);
}

// Dates on which the Moon does not culminate: the next culmination lies on
// the following date, and both scans agree on it.
TEST(EventSearch, MoonSkippingADayIsFoundTheNextDay) {
  int skipped = 0;
  for (int day = 1; day <= 28 && skipped == 0; ++day) {
    const SkyState start = SkyAt(day, 1, 2026, 0, 10, 50);
    SkyState sky = start;
    const Event fast = FastScan(sky, EventKind::kCulmination, kMoon, 2);
    ASSERT_TRUE(fast.found);
    if (fast.date == start.dateText) continue;
    ++skipped;
    const Event plain = PlainScan(start, EventKind::kCulmination, kMoon, 2);
    EXPECT_EQ(fast.date, plain.date);
    EXPECT_EQ(fast.step, plain.step);
    SkyState next = start;
    NextDay(next);
    EXPECT_EQ(fast.date, next.dateText);
  }
  EXPECT_EQ(skipped, 1) << "the Moon culminates about 50 minutes later each day";
}

// New moons with the Sun near 0 degrees and full moons with the Sun near 180
// degrees put the Moon at the wrap of 0/360, where the unreduced difference
// is near 360 until both have passed 0.
TEST(EventSearch, LunationsAtTheWrapOf0And360) {
  for (EventKind kind : {EventKind::kNewMoon, EventKind::kFullMoon}) {
    int compared = 0;
    for (int year = 1900; year <= 2100 && compared < 3; ++year) {
      const SkyState start = SkyAt(6, kind == EventKind::kNewMoon ? 3 : 9, year, 0, 10, 50);
      SkyState sky = start;
      ASSERT_EQ(SearchEvent(sky, kind, kMoon), SearchStatus::kFound);
      if (std::fabs(std::remainder(sky.longitudes[kMoon], 360)) > 1) continue;
      ++compared;
      const Event plain = PlainScan(start, kind, kMoon, kLunationSearchDays);
      EXPECT_EQ(sky.dateText, plain.date) << year;
      EXPECT_EQ(sky.hours, plain.step / 120.0) << year;
    }
    EXPECT_GT(compared, 0) << KindName(kind);
  }
}

// Past 31.12.9999 the date text no longer holds the year; a scan reaching
// it must end there, not report an event in a year read back wrongly.
TEST(EventSearch, ScansEndWithTheLastDayOfTheCalendar) {
  int ended = 0;
  for (int day = 15; day <= 31; ++day) {
    for (const EventKind kind : {EventKind::kFullMoon, EventKind::kNewMoon}) {
      SkyState sky = SkyAt(day, 12, 9999, 0, 10, 50);
      const SkyState start = sky;
      if (SearchEvent(sky, kind, kMoon) == SearchStatus::kFound) {
        EXPECT_EQ(sky.year, 9999);
        EXPECT_EQ(sky.dateText.substr(3), "12.9999");
      } else {
        EXPECT_EQ(sky.dateText, start.dateText);
        ++ended;
      }
    }
  }
  EXPECT_GT(ended, 0);
}

TEST(EventSearch, FactorOnTheAxisAtMidnightIsFoundAtOnce) {
  // Move the place until the MC stands on the Sun at 00:00:00.
  SkyState sky = SkyAt(7, 12, 2026, 0, 10, 50);
  for (int i = 0; i < 20; ++i) {
    ComputeSky(sky);
    sky.longitude += std::remainder(sky.longitudes[kSun] - sky.longitudes[kMC], 360) * 0.9;
  }
  sky.hours = 15.25;  // the halted clock's time is not where the scan starts
  ASSERT_EQ(SearchEvent(sky, EventKind::kCulmination, kSun), SearchStatus::kFound);
  EXPECT_EQ(sky.dateText, "07.12.2026");
  EXPECT_EQ(sky.hours, 0.0);
  EXPECT_EQ(FormatHours(sky.hours), "00:00:00");
}

TEST(EventSearch, EventEarlierThanTheHaltedTimeIsStillToday) {
  SkyState sky = SkyAt(7, 12, 2026, 23.5, 10, 50);
  ASSERT_EQ(SearchEvent(sky, EventKind::kRise, kSun), SearchStatus::kFound);
  EXPECT_EQ(sky.dateText, "07.12.2026");
  EXPECT_LT(sky.hours, 23.5);
  // The sky is fully computed for the instant found.
  SkyState recomputed = sky;
  ComputeSky(recomputed);
  EXPECT_EQ(recomputed.longitudes, sky.longitudes);
  EXPECT_LT(std::fabs(sky.longitudes[kAscendant] - sky.longitudes[kSun]), kAxisTolerance);
}

TEST(EventSearch, TargetsOppositeAPointWrapInto0To360) {
  SkyState sky;
  sky.longitudes[kAscendant] = 180;
  EXPECT_EQ(EventTargetLongitude(sky, EventKind::kSet), 0.0);
  sky.longitudes[kAscendant] = 179.5;
  EXPECT_EQ(EventTargetLongitude(sky, EventKind::kSet), 359.5);
  sky.longitudes[kAscendant] = 10;
  EXPECT_EQ(EventTargetLongitude(sky, EventKind::kSet), 190.0);
  sky.longitudes[kSun] = 180;
  EXPECT_EQ(EventTargetLongitude(sky, EventKind::kFullMoon), 0.0);
  sky.longitudes[kSun] = 179.9;
  EXPECT_NEAR(EventTargetLongitude(sky, EventKind::kFullMoon), 359.9, 1e-12);
  EXPECT_EQ(EventTargetLongitude(sky, EventKind::kNewMoon), 179.9);
}

// Across the turn of the year the date moves on as NextDay moves it, and
// the scan goes on from 00:00:00 of each new day.
TEST(EventSearch, LunationAcrossTheTurnOfTheYear) {
  const SkyState start = SkyAt(25, 12, 2025, 0, 10, 50);
  SkyState sky = start;
  const Event fast = FastScan(sky, EventKind::kFullMoon, kMoon, kLunationSearchDays);
  const Event plain = PlainScan(start, EventKind::kFullMoon, kMoon, kLunationSearchDays);
  ASSERT_TRUE(fast.found);
  EXPECT_EQ(fast.date, plain.date);
  EXPECT_EQ(fast.step, plain.step);
  EXPECT_EQ(sky.year, 2026);
  EXPECT_EQ(sky.month, 1);
  // The step reported lies inside the band.
  EXPECT_LT(std::fabs(std::remainder(sky.longitudes[kMoon] - sky.longitudes[kSun] - 180, 360)),
            kLunationTolerance);
}

// The unreduced difference target - Moon at `hours` of the sky's date, the
// whole sky recomputed.
double LunationDifference(SkyState sky, EventKind kind, double hours) {
  sky.hours = hours;
  ComputeSky(sky);
  return EventTargetLongitude(sky, kind) - sky.longitudes[kMoon];
}

// The band is reached some twelve minutes before the Moon meets the Sun or
// the point opposite it; the step reported is the in-band step nearest the
// meeting, and the difference changes sign within a step of it.
TEST(EventSearch, LunationsAreReportedAtTheStepNearestTheMeeting) {
  std::mt19937 random(20261208u);
  std::uniform_int_distribution<int> year(1600, 2400), month(1, 12), day(1, 28);
  std::uniform_real_distribution<double> hours(0, 24), latitude(-66, 66);
  const double step = 1.0 / kLunationStepsPerHour;
  double worstMinutes = 0;
  for (int i = 0; i < 48; ++i) {
    const EventKind kind = i % 2 == 0 ? EventKind::kNewMoon : EventKind::kFullMoon;
    SkyState sky =
        SkyAt(day(random), month(random), year(random), hours(random), 10, latitude(random));
    const std::string label = std::string(KindName(kind)) + " from " + sky.dateText;
    ASSERT_EQ(SearchEvent(sky, kind, kMoon), SearchStatus::kFound) << label;
    const double before = LunationDifference(sky, kind, sky.hours - step);
    const double at = LunationDifference(sky, kind, sky.hours);
    const double after = LunationDifference(sky, kind, sky.hours + step);
    EXPECT_LT(std::fabs(at), kLunationTolerance) << label;
    EXPECT_LE(std::fabs(at), std::fabs(before)) << label;
    EXPECT_LE(std::fabs(at), std::fabs(after)) << label;
    EXPECT_TRUE(before * at <= 0 || at * after <= 0) << label << ": no change of sign";
    // Minutes from the reported step to the meeting, the difference taken
    // as linear over the neighbouring step.
    const double rate = std::fabs(after - before) / 2;
    worstMinutes = std::max(worstMinutes, std::fabs(at) / rate * 0.5);
  }
  std::cout << "lunations: at most " << worstMinutes << " minutes from the meeting\n";
  EXPECT_LE(worstMinutes, 0.5);
}

TEST(EventSearch, SecondSearchReportsTheSameLunation) {
  for (EventKind kind : {EventKind::kFullMoon, EventKind::kNewMoon}) {
    SkyState sky = SkyAt(1, 6, 2026, 8, 10, 50);
    ASSERT_EQ(SearchEvent(sky, kind, kMoon), SearchStatus::kFound);
    const std::string date = sky.dateText;
    const double hours = sky.hours;
    ASSERT_EQ(SearchEvent(sky, kind, kMoon), SearchStatus::kFound);
    EXPECT_EQ(sky.dateText, date) << KindName(kind);
    EXPECT_EQ(sky.hours, hours) << KindName(kind);
  }
}

bool SameInstantAndSky(const SkyState& a, const SkyState& b) {
  return a.day == b.day && a.month == b.month && a.year == b.year && a.dateText == b.dateText &&
         a.hours == b.hours && a.longitudes == b.longitudes;
}

// Beyond the polar circle the Ascendent never reaches the winter Sun.
TEST(EventSearch, NotFoundWithinTheBoundLeavesTheSkyAsItWas) {
  SkyState sky = SkyAt(1, 12, 2026, 9.75, 10, 80);
  ComputeSky(sky);
  const SkyState before = sky;
  std::vector<int> dayStarts;
  int lastHour = -1;
  const auto progress = [&](int hour) {
    if (hour < lastHour) dayStarts.push_back(hour);
    lastHour = hour;
    return true;
  };
  EXPECT_EQ(SearchEvent(sky, EventKind::kRise, kSun, progress), SearchStatus::kNotFound);
  EXPECT_TRUE(SameInstantAndSky(sky, before));
  EXPECT_EQ(dayStarts.size(), static_cast<std::size_t>(kAxisSearchDays - 1))
      << "the hour starts again at 0 on each of the 31 days";
  EXPECT_EQ(lastHour, 23);
}

TEST(EventSearch, ProgressTellsEachHourAndCancels) {
  SkyState sky = SkyAt(1, 12, 2026, 9.75, 10, 80);
  ComputeSky(sky);
  const SkyState before = sky;
  std::vector<int> hours;
  const auto progress = [&](int hour) {
    hours.push_back(hour);
    return hour < 3;
  };
  EXPECT_EQ(SearchEvent(sky, EventKind::kSet, kSun, progress), SearchStatus::kCancelled);
  EXPECT_EQ(hours, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_TRUE(SameInstantAndSky(sky, before));
}

TEST(EventSearch, RefusesFactorsWithoutEvents) {
  SkyState sky = SkyAt(1, 1, 2026, 0, 10, 50);
  for (int factor : {0, 1, 3, 5, 22, 23, -1, 24}) {
    EXPECT_EQ(SearchEvent(sky, EventKind::kRise, factor), SearchStatus::kNotSearchable) << factor;
  }
  EXPECT_EQ(SearchEvent(sky, EventKind::kNewMoon, kMC), SearchStatus::kFound)
      << "a lunation always concerns the Moon";
}

}  // namespace
}  // namespace sternwerk
