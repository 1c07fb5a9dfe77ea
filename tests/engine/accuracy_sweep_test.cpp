// The own computation against the Swiss Ephemeris over the whole calendar
// range 1600-9999: seeded instants and places in each period, the largest
// difference per factor, checked against the accuracy the engine headers
// state (sun_moon.h, planets.h, axes.h). The library computes the Sun, the
// Moon and the planets up to about the year 3000 with the files and the
// analytical theory installed here; the mean node and the axes are formulas
// in the library too and are compared over the whole range.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/factors.h"
#include "engine/sky.h"
#include "tests/support/sky_at.h"

namespace sternwerk {
namespace {

using testing::SkyAt;

constexpr int kFirstYearWithoutLibraryPlanets = 3000;

struct Period {
  int firstYear;
  int endYear;  // exclusive
  int instants;
};
constexpr std::array<Period, 6> kPeriods = {{
    {1600, 1800, 400},
    {1800, 1900, 300},
    {1900, 2100, 400},
    {2100, 2400, 300},
    {2400, 3000, 300},
    {3000, 10000, 600},
}};

// The stated accuracy, degrees, per factor and period (kPeriods' order);
// a negative entry: no reference in that period.
struct StatedAccuracy {
  int factor;
  int32 libraryBody;  // -1 for the axes
  std::array<double, kPeriods.size()> degrees;
};
constexpr double kNone = -1;
// clang-format off
constexpr double kUnbounded = 180;  // no useful position left
constexpr std::array<StatedAccuracy, 13> kStated = {{
    {kSun,        SE_SUN,       {0.0012, 0.001,  0.003,  0.01,   0.06,   kNone}},
    {kMoon,       SE_MOON,      {0.03,   0.005,  0.035,  0.18,   1.0,    kNone}},
    {kLunarNode,  SE_MEAN_NODE, {0.013,  0.009,  0.01,   0.015,  0.025,  0.8}},
    {kMercury,    SE_MERCURY,   {0.05,   0.05,   0.05,   0.05,   0.07,   kNone}},
    {kVenus,      SE_VENUS,     {0.04,   0.04,   0.04,   0.04,   0.05,   kNone}},
    {kMars,       SE_MARS,      {0.08,   0.07,   0.07,   0.14,   0.4,    kNone}},
    {kJupiter,    SE_JUPITER,   {3.5,    0.7,    0.6,    5.5,    25,     kNone}},
    {kSaturn,     SE_SATURN,    {3.2,    0.55,   0.3,    3,      9,      kNone}},
    {kUranus,     SE_URANUS,    {0.25,   0.06,   0.15,   1.1,    2.8,    kNone}},
    {kNeptune,    SE_NEPTUNE,   {10,     2.2,    0.35,   9,      80,     kNone}},
    {kPluto,      SE_PLUTO,     {8,      2,      1.8,    20,     kUnbounded, kNone}},
    {kMC,         -1,           {0.008,  0.007,  0.007,  0.011,  0.045,  2.2}},
    {kAscendant,  -1,           {0.035,  0.06,   0.03,   0.03,   0.09,   8}},
}};
// clang-format on

double AngleDifference(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

// The library's longitude of `stated` at jdUT, or NaN where it has none.
double LibraryLongitude(const StatedAccuracy& stated, double jdUT, double longitude,
                        double latitude) {
  if (stated.libraryBody < 0) {
    std::array<double, 13> cusps{};
    std::array<double, 10> ascmc{};
    if (swe_houses_ex(jdUT, 0, latitude, longitude, 'E', cusps.data(), ascmc.data()) < 0)
      return NAN;
    return stated.factor == kMC ? ascmc[1] : ascmc[0];
  }
  std::array<double, 6> position{};
  std::array<char, AS_MAXCH> error{};
  if (swe_calc_ut(jdUT, stated.libraryBody, SEFLG_SWIEPH, position.data(), error.data()) < 0)
    return NAN;
  return position[0];
}

TEST(AccuracySweep, OwnComputationKeepsTheStatedAccuracyAgainstTheSwissEphemeris) {
  swe_set_ephe_path("/usr/share/libswe/ephe");
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> longitudes(-180, 180);
  // Beyond the polar circles the ascendant jumps; both sides are compared
  // where it is defined the same way.
  std::uniform_real_distribution<double> latitudes(-66, 66);

  std::printf("%-4s", "");
  for (const Period& period : kPeriods) std::printf("  %4d-%-4d", period.firstYear, period.endYear);
  std::printf("   (largest difference, degrees)\n");

  for (const StatedAccuracy& stated : kStated) {
    std::printf("%-4s", std::string(kFactorCodes[stated.factor]).c_str());
    for (std::size_t p = 0; p < kPeriods.size(); ++p) {
      const Period& period = kPeriods[p];
      const double firstJD = swe_julday(period.firstYear, 1, 1, 0, SE_GREG_CAL);
      const double endJD = swe_julday(period.endYear, 1, 1, 0, SE_GREG_CAL);
      std::uniform_real_distribution<double> julianDays(firstJD, endJD);
      double worst = 0;
      int compared = 0;
      for (int n = 0; n < period.instants; ++n) {
        const double place[2] = {longitudes(random), latitudes(random)};
        int year = 0, month = 0, day = 0;
        double hours = 0;
        swe_revjul(julianDays(random), SE_GREG_CAL, &year, &month, &day, &hours);
        SkyState sky = SkyAt(day, month, year, hours, place[0], place[1]);
        ComputeSky(sky);
        const double jdUT = swe_julday(year, month, day, hours, SE_GREG_CAL);
        const double reference = LibraryLongitude(stated, jdUT, place[0], place[1]);
        if (std::isnan(reference)) continue;
        ++compared;
        worst = std::max(worst, AngleDifference(sky.longitudes[stated.factor], reference));
      }
      const double limit = stated.degrees[p];
      if (limit == kNone) {
        EXPECT_TRUE(compared == 0 || period.firstYear >= kFirstYearWithoutLibraryPlanets)
            << kFactorCodes[stated.factor] << " has a reference in " << period.firstYear;
        std::printf("  %9s", "-");
        continue;
      }
      EXPECT_EQ(compared, period.instants)
          << kFactorCodes[stated.factor] << ": the library lacks instants in " << period.firstYear;
      EXPECT_LE(worst, limit) << kFactorCodes[stated.factor] << " in " << period.firstYear << "-"
                              << period.endYear;
      std::printf("  %9.4f", worst);
    }
    std::printf("\n");
  }
}

}  // namespace
}  // namespace sternwerk
