// Positions, altitude and azimuth, brightness and phase against the worked
// examples of Meeus, Astronomical Algorithms, 2nd ed. (1998), which use
// VSOP87 and ELP-2000 rather than the Swiss Ephemeris: examples 13.b
// (Venus from the Naval Observatory in Washington), 25.b (the Sun), 33.a
// and 41.a (Venus), 47.a and 48.a (the Moon). Instants in Dynamical Time
// are taken 59 s earlier in Universal Time (Delta T of 1992). The
// examples' distances are geometric, the library's light-time corrected
// (the Sun's differ by 100 km), and the Moon's series is truncated.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/calendar.h"
#include "observing/compass_point.h"
#include "observing/horizontal_sky.h"
#include "observing/observing_day.h"
#include "tests/observing/worst_error.h"

namespace sternwerk {
namespace {

using testing::WorstError;

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr ClockSeconds kDeltaT1992 = 59;
constexpr double kKmPerAu = 149597870.7;

double Hours(int h, int m, double s) {
  return h + m / 60.0 + s / 3600;
}
double Degrees(int d, int m, double s) {
  return (d < 0 ? -1 : 1) * (std::abs(d) + m / 60.0 + s / 3600);
}

struct PublishedPosition {
  const char* example;
  int factor;
  ClockSeconds instant;  // Universal Time
  ObserverPlace place;
  double rightAscension;  // hours, apparent
  double declination;     // degrees
  double longitude;       // ecliptic, apparent, degrees
  double latitude;
  double distance;  // astronomical units
  double altitude;  // refracted, degrees
  double azimuth;   // from north, degrees
  double illuminated;
  double tolerance;          // degrees
  double distanceTolerance;  // astronomical units
};

// 13.b gives the geometric altitude 15.1249°; the standard refraction at
// that height (Saemundsson: 1.02' / tan(h + 10.3 / (h + 5.11)) = 3.64')
// raises it and Venus's parallax at 0.9 AU (10") lowers it. Its azimuth
// 68.0337° is counted from the south through the west.
const PublishedPosition kPositions[] = {
    {"13.b Venus",
     kVenus,
     ClockSecondsOf(10, 4, 1987, Hours(19, 21, 0)),
     {Degrees(-77, 3, 56), Degrees(38, 55, 17), 0},
     Hours(23, 9, 16.641),
     Degrees(-6, 43, 11.61),
     kNone,
     kNone,
     kNone,
     15.1249 + 0.0607 - 0.0027,
     68.0337 + 180,
     kNone,
     0.01,
     0},
    {"25.b Sun",
     kSun,
     ClockSecondsOf(13, 10, 1992, 0) - kDeltaT1992,
     {},
     Hours(13, 13, 30.749),
     Degrees(-7, 47, 1.74),
     kNone,
     Degrees(0, 0, 0.72),
     0.99760775,
     kNone,
     kNone,
     1,
     0.001,
     2e-6},
    {"33.a, 41.a Venus",
     kVenus,
     ClockSecondsOf(20, 12, 1992, 0) - kDeltaT1992,
     {},
     Hours(21, 4, 41.454),
     Degrees(-18, 53, 16.84),
     kNone,
     kNone,
     kNone,
     kNone,
     kNone,
     0.647,
     0.002,
     0},
    {"47.a, 48.a Moon",
     kMoon,
     ClockSecondsOf(12, 4, 1992, 0) - kDeltaT1992,
     {},
     134.688470 / 15,
     13.768368,
     133.167265,
     -3.229126,
     368409.7 / kKmPerAu,
     kNone,
     kNone,
     0.6786,
     0.005,
     4e-7},
};

TEST(PublishedPositions, MatchTheAlmanacExamples) {
  WorstError angles("angle (degrees)");
  WorstError distances("distance (AU)");
  WorstError fractions("illuminated fraction");
  for (const PublishedPosition& published : kPositions) {
    SCOPED_TRACE(published.example);
    const Outcome<BodyInSky> seen =
        ObserveBody(published.factor, published.instant, published.place);
    ASSERT_TRUE(seen.ok()) << seen.error();
    const BodyInSky& body = seen.value();
    const auto check = [&](double actual, double expected, double tolerance, WorstError& worst,
                           const char* what) {
      if (std::isnan(expected)) return;
      EXPECT_LE(worst.Add(actual, expected, std::string(published.example) + " " + what), tolerance)
          << what << ": " << actual << " against " << expected;
    };
    check(body.rightAscension * 15, published.rightAscension * 15, published.tolerance, angles,
          "right ascension");
    check(body.declination, published.declination, published.tolerance, angles, "declination");
    check(body.eclipticLongitude, published.longitude, published.tolerance, angles, "longitude");
    check(body.eclipticLatitude, published.latitude, published.tolerance, angles, "latitude");
    check(body.altitude, published.altitude, published.tolerance, angles, "altitude");
    check(body.azimuth, published.azimuth, published.tolerance, angles, "azimuth");
    check(body.distance, published.distance, published.distanceTolerance, distances, "distance");
    check(body.illuminated, published.illuminated, 0.001, fractions, "illuminated");
  }
}

TEST(PublishedPositions, TheSunShinesAtItsCatalogueMagnitude) {
  const Outcome<BodyInSky> sun = ObserveBody(kSun, ClockSecondsOf(1, 7, 2026, 12), {});
  ASSERT_TRUE(sun.ok()) << sun.error();
  EXPECT_NEAR(sun.value().magnitude, -26.74, 0.1);
}

TEST(CompassPoints, NameTheSixteenSectorsFromNorthThroughEast) {
  struct Case {
    double azimuth;
    const char* point;
  };
  for (const Case c :
       {Case{0, "N"}, Case{11.2, "N"}, Case{11.3, "NNO"}, Case{45, "NO"}, Case{90, "O"},
        Case{112.5, "OSO"}, Case{135, "SO"}, Case{180, "S"}, Case{247.5, "WSW"}, Case{270, "W"},
        Case{348.7, "NNW"}, Case{348.8, "N"}, Case{360, "N"}, Case{-22.5, "NNW"}})
    EXPECT_EQ(CompassPoint(c.azimuth), c.point) << c.azimuth;
}

// Over a day at Berlin, hour by hour: the bodies up come first, and a body
// counts as up between its rise and its set (a few minutes' margin).
TEST(ObservedSky, WhatIsUpComesFirstAndAgreesWithRiseAndSet) {
  const ObserverPlace berlin{13.40, 52.52, 0};
  const ClockSeconds midnight = ClockSecondsOf(20, 6, 2026, 22);  // 00:00 CEST
  const Outcome<ObservingDay> day = ObservingDayOf({midnight, midnight + 86400}, berlin);
  ASSERT_TRUE(day.ok()) << day.error();
  constexpr ClockSeconds kMargin = 300;
  for (ClockSeconds instant = midnight; instant < midnight + 86400; instant += 3600) {
    const Outcome<std::vector<BodyInSky>> sky = ObserveSky(instant, berlin);
    ASSERT_TRUE(sky.ok()) << sky.error();
    ASSERT_EQ(sky.value().size(), kObservedBodies.size());
    bool belowSeen = false;
    for (const BodyInSky& body : sky.value()) {
      EXPECT_FALSE(belowSeen && body.up) << "an up body after one below, at " << instant;
      belowSeen = belowSeen || !body.up;
      const HorizonDay& events = HorizonDayOfBody(day.value(), body.factor);
      if (!events.rise || !events.set || *events.rise > *events.set) continue;
      if (std::abs(instant - *events.rise) < kMargin || std::abs(instant - *events.set) < kMargin)
        continue;
      EXPECT_EQ(body.up, instant > *events.rise && instant < *events.set)
          << ShownFactorCode(body.factor) << " at " << instant;
    }
  }
}

}  // namespace
}  // namespace sternwerk
