// Almanac rise, set and transit checked by the body's altitude at the
// instant found, from its apparent right ascension and declination and the
// apparent sidereal time (Meeus, Astronomical Algorithms, chapters 13 and
// 15): the Sun's centre stands at -0.8333 degrees at rise and set, the
// Moon's geocentric centre at 0.7275 times its parallax minus 0.5667, and
// every body on the meridian at its transit.
#include "engine/horizon_events.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <array>
#include <cmath>
#include <numbers>

#include "engine/arithmetic.h"
#include "engine/factors.h"
#include "tests/support/sky_at.h"

namespace sternwerk {
namespace {

using testing::SkyAt;

constexpr double kEarthRadiusKm = 6378.14;
constexpr double kKmPerAstronomicalUnit = 149597870.7;
// The library's refraction for its standard atmosphere and the rounding to
// the second stay within this of the textbook altitudes.
constexpr double kAltitudeTolerance = 0.06;

struct Place {
  double longitude;
  double latitude;
};
constexpr Place kBerlin = {13.4, 52.5};
constexpr Place kSydney = {151.2, -33.87};
constexpr Place kTromso = {18.96, 69.65};

double JulianDayUT(const SkyState& sky) {
  return swe_julday(sky.year, sky.month, sky.day, sky.hours, SE_GREG_CAL);
}

struct Apparent {
  double altitude;   // degrees, geocentric
  double hourAngle;  // degrees, in (-180, 180]
  double parallax;   // horizontal parallax, degrees
};

Apparent ApparentPlace(int body, double jdUT, Place place) {
  std::array<double, 6> equatorial{};
  EXPECT_GE(swe_calc_ut(jdUT, body, SEFLG_SWIEPH | SEFLG_EQUATORIAL, equatorial.data(), nullptr),
            0);
  const double siderealDegrees = swe_sidtime(jdUT) * 15 + place.longitude;
  const double hourAngle = std::remainder(siderealDegrees - equatorial[0], 360.0);
  const double lat = DegToRad(place.latitude);
  const double dec = DegToRad(equatorial[1]);
  const double sinAltitude =
      std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(DegToRad(hourAngle));
  const double distanceKm = equatorial[2] * kKmPerAstronomicalUnit;
  return {RadToDeg(std::asin(sinAltitude)), hourAngle,
          RadToDeg(std::asin(kEarthRadiusKm / distanceKm))};
}

SkyState Found(EventKind kind, int factor, int day, int month, int year, Place place) {
  SkyState sky = SkyAt(day, month, year, 15.5, place.longitude, place.latitude);
  const Outcome<SearchStatus> status = SearchHorizonEvent(sky, kind, factor);
  EXPECT_TRUE(status.ok()) << status.error();
  EXPECT_EQ(status.ok() ? status.value() : SearchStatus::kNotFound, SearchStatus::kFound);
  return sky;
}

TEST(HorizonEvents, SunRisesAndSetsWithItsUpperLimbUnderRefraction) {
  for (const Place place : {kBerlin, kSydney}) {
    for (const auto kind : {EventKind::kRise, EventKind::kSet}) {
      const SkyState sky = Found(kind, kSun, 21, 6, 2026, place);
      EXPECT_EQ(sky.day, 21) << "the first event after midnight UT";
      const Apparent sun = ApparentPlace(SE_SUN, JulianDayUT(sky), place);
      EXPECT_NEAR(sun.altitude, -0.8333, kAltitudeTolerance) << place.latitude;
      EXPECT_EQ(kind == EventKind::kRise, sun.hourAngle < 0) << "rising in the east";
    }
  }
}

// Berlin's almanac for the solstice of 2026: sunrise 04:43, sunset 21:33
// summer time (UT+2), to the minute.
TEST(HorizonEvents, SunAtBerlinMatchesTheAlmanacToTheMinute) {
  constexpr double kMinute = 1.0 / 60;
  EXPECT_NEAR(Found(EventKind::kRise, kSun, 21, 6, 2026, kBerlin).hours, 2 + 43 * kMinute, kMinute);
  EXPECT_NEAR(Found(EventKind::kSet, kSun, 21, 6, 2026, kBerlin).hours, 19 + 33 * kMinute, kMinute);
}

TEST(HorizonEvents, MoonRisesWithItsParallaxAndSemidiameter) {
  for (const Place place : {kBerlin, kSydney}) {
    const SkyState sky = Found(EventKind::kRise, kMoon, 3, 2, 2027, place);
    const Apparent moon = ApparentPlace(SE_MOON, JulianDayUT(sky), place);
    EXPECT_NEAR(moon.altitude, 0.7275 * moon.parallax - 0.5667, kAltitudeTolerance)
        << place.latitude;
  }
}

TEST(HorizonEvents, CulminationIsTheTransitOfTheUpperMeridian) {
  for (const int factor : {kSun, kMoon, kMars, kPluto}) {
    const SkyState sky = Found(EventKind::kCulmination, factor, 8, 12, 2026, kBerlin);
    const Apparent body = ApparentPlace(factor == kSun    ? SE_SUN
                                        : factor == kMoon ? SE_MOON
                                        : factor == kMars ? SE_MARS
                                                          : SE_PLUTO,
                                        JulianDayUT(sky), kBerlin);
    // One second of time is 0.004 degrees of hour angle.
    EXPECT_NEAR(body.hourAngle, 0, 0.01) << kFactorCodes[factor];
  }
}

TEST(HorizonEvents, PolarDayAndNightHaveNoRiseOrSetAndKeepTheSky) {
  struct Case {
    EventKind kind;
    int month;
  };
  for (const Case polar : {Case{EventKind::kSet, 6}, Case{EventKind::kRise, 12}}) {
    SkyState sky = SkyAt(21, polar.month, 2026, 15.5, kTromso.longitude, kTromso.latitude);
    const Outcome<SearchStatus> status = SearchHorizonEvent(sky, polar.kind, kSun);
    ASSERT_TRUE(status.ok()) << status.error();
    EXPECT_EQ(status.value(), SearchStatus::kNotFound);
    EXPECT_EQ(sky.month, polar.month);
    EXPECT_DOUBLE_EQ(sky.hours, 15.5);
  }
}

TEST(HorizonEvents, OnlyBodiesRiseAndTheLibraryFailureIsTold) {
  for (const int factor : {kMC, kAriesPoint, kAscendant, kLunarNode, kCupido, kPoseidon, kGZ}) {
    SkyState sky = SkyAt(8, 12, 2026, 15.5);
    const Outcome<SearchStatus> status = SearchHorizonEvent(sky, EventKind::kRise, factor);
    ASSERT_TRUE(status.ok());
    EXPECT_EQ(status.value(), SearchStatus::kNotSearchable) << kFactorCodes[factor];
    EXPECT_FALSE(HasHorizonRise(factor));
  }
  SkyState sky = SkyAt(8, 12, 2026, 15.5);
  EXPECT_EQ(SearchHorizonEvent(sky, EventKind::kFullMoon, kMoon).value(),
            SearchStatus::kNotSearchable);

  SkyState farFuture = SkyAt(8, 12, 5000, 15.5);
  const Outcome<SearchStatus> beyond = SearchHorizonEvent(farFuture, EventKind::kRise, kSun);
  ASSERT_FALSE(beyond.ok());
  EXPECT_NE(beyond.error(), "");
  EXPECT_EQ(farFuture.year, 5000);
}

}  // namespace
}  // namespace sternwerk
