// MC and AS against the closed formulas for random instants and places.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <string>
#include <tuple>

#include "engine/arithmetic.h"
#include "engine/factors.h"
#include "engine/meridian_direction.h"
#include "tests/support/sky_at.h"

namespace sternwerk {
namespace {

using testing::ComputedSkyAt;

constexpr double kPi = 3.14159265358979323846;

double Degrees(double radians) {
  return radians * 180 / kPi;
}
double Normalized(double degrees) {
  const double d = std::fmod(degrees, 360.0);
  return d < 0 ? d + 360 : d;
}
double AngularError(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

// tan MC = tan(ramc) / cos(eps), MC in the half-circle of ramc.
double ClosedFormMC(double ramc, double eps) {
  return Normalized(Degrees(std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps))));
}

// tan AS = cos(ramc) / -(sin(ramc) cos(eps) + tan(phi) sin(eps)), eastern solution.
double ClosedFormAS(double ramc, double eps, double phi) {
  return Normalized(Degrees(std::atan2(
      std::cos(ramc), -(std::sin(ramc) * std::cos(eps) + std::tan(phi) * std::sin(eps)))));
}

TEST(AxesProperty, MatchTheClosedFormulasForRandomInstantsAndPlaces) {
  std::mt19937_64 random(20261208);
  std::uniform_int_distribution<int> year(1600, 2400), month(1, 12), day(1, 28);
  std::uniform_real_distribution<double> hours(0, 24), longitude(-180, 180), latitude(-66, 66);
  double worst = 0;
  for (int i = 0; i < 20000; ++i) {
    const SkyState sky = ComputedSkyAt(day(random), month(random), year(random), hours(random),
                                       longitude(random), latitude(random));
    const double eps = -sky.negativeObliquity;
    const double phi = sky.latitude * kPi / 180;
    const double mcError = AngularError(sky.longitudes[kMC], ClosedFormMC(sky.ramc, eps));
    const double asError =
        AngularError(sky.longitudes[kAscendant], ClosedFormAS(sky.ramc, eps, phi));
    worst = std::max({worst, mcError, asError});
    ASSERT_LT(mcError, 1e-9) << sky.dateText << " " << sky.hours;
    ASSERT_LT(asError, 1e-9) << sky.dateText << " " << sky.hours << " lat " << sky.latitude;
    ASSERT_GE(sky.longitudes[kMC], 0);
    ASSERT_LT(sky.longitudes[kMC], 360);
    ASSERT_GE(sky.longitudes[kAscendant], 0);
    ASSERT_LT(sky.longitudes[kAscendant], 360);
  }
  std::printf("worst MC/AS error %.3e deg\n", worst);
}

TEST(AxesProperty, RamcIsNegativeBefore1900AndTheAxesStayInRange) {
  const SkyState sky = ComputedSkyAt(1, 1, 1700, 3);
  EXPECT_LT(sky.ramc, 0);
  EXPECT_GT(sky.ramc, -2 * kPi);
  EXPECT_GE(sky.longitudes[kMC], 0);
  EXPECT_GE(sky.longitudes[kAscendant], 0);
}

TEST(AxesProperty, FiniteAtThePoles) {
  for (double latitude : {90.0, -90.0, 89.9999}) {
    const SkyState sky = ComputedSkyAt(7, 12, 2026, 6, 10, latitude);
    EXPECT_TRUE(std::isfinite(sky.longitudes[kAscendant])) << latitude;
    EXPECT_GE(sky.longitudes[kAscendant], 0);
    EXPECT_LT(sky.longitudes[kAscendant], 360);
  }
}

// The MC stands north where its declination, here from the RAMC (tan dec =
// sin ramc tan eps), exceeds the latitude. Over a day: Munich only south,
// Sydney only north, the tropics and the equator both.
TEST(MeridianDirection, FollowsTheDeclinationOfTheMcAgainstTheLatitude) {
  for (const auto& [longitude, latitude, sides] :
       {std::tuple{11.58, 48.14, "S"}, std::tuple{151.21, -33.87, "N"},
        std::tuple{-157.86, 21.31, "SN"}, std::tuple{0.0, 0.0, "SN"}}) {
    std::set<char> seen;
    for (int minutes = 0; minutes < 24 * 60; minutes += 4) {
      const SkyState sky = ComputedSkyAt(21, 3, 2026, minutes / 60.0, longitude, latitude);
      const bool north = MeridianDirectionOf(sky) == MeridianDirection::kNorth;
      ASSERT_EQ(north, Degrees(std::atan(std::sin(sky.ramc) * std::tan(-sky.negativeObliquity))) >
                           latitude)
          << latitude << " at " << minutes << " min";
      seen.insert(north ? 'N' : 'S');
    }
    EXPECT_EQ(std::string(seen.rbegin(), seen.rend()), sides) << latitude;
  }
}

}  // namespace
}  // namespace sternwerk
