// The precise sky against published worked values, closed formulas for the
// axes with the library's own sidereal time and obliquity, and its
// fallbacks.
#include "engine/precise_sky.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <array>
#include <cmath>
#include <filesystem>

#include "engine/arithmetic.h"
#include "engine/calendar.h"
#include "engine/sky.h"
#include "tests/support/sky_at.h"

namespace sternwerk {
namespace {

using testing::SkyAt;

constexpr double kArcsecond = 1.0 / 3600;
constexpr double kMoonSeriesAccuracy = 2.5 * kArcsecond;
constexpr char kDefaultEphemerisFolder[] = "/usr/share/libswe/ephe";

// The sky at an instant of Terrestrial Time, JD, converted to Universal
// Time with the library's Delta T.
SkyState SkyAtTerrestrialTime(double jdTT) {
  const double jdUT = jdTT - swe_deltat_ex(jdTT, SEFLG_SWIEPH, nullptr);
  int year = 0, month = 0, day = 0;
  double hours = 0;
  swe_revjul(jdUT, SE_GREG_CAL, &year, &month, &day, &hours);
  return SkyAt(day, month, year, hours);
}

double AngleDifference(double a, double b) {
  return std::remainder(a - b, 360.0);
}

class PreciseSky : public ::testing::Test {
 protected:
  void TearDown() override { SetEphemerisPath(kDefaultEphemerisFolder); }
};

// Meeus, Astronomical Algorithms, 2nd ed., examples 25.b and 47.a.
TEST_F(PreciseSky, MatchesMeeusWorkedValues) {
  SkyState sun = SkyAtTerrestrialTime(2448908.5);  // 1992 Oct 13.0 TD
  EXPECT_EQ(ComputeSky(sun, ComputationMode::kPrecise).used, ComputationUsed::kEphemerisFiles);
  const double sunApparent = 199 + 54.0 / 60 + 21.818 / 3600;
  EXPECT_NEAR(AngleDifference(sun.longitudes[kSun], sunApparent), 0, kArcsecond);

  // 47.a gives the geometric 133.162655 plus the nutation 0.004610; its
  // abridged lunar series is itself good to a few arcseconds only, and it
  // leaves out the Moon's 0.7 arcsecond light-time.
  SkyState moon = SkyAtTerrestrialTime(2448724.5);  // 1992 Apr 12.0 TD
  EXPECT_EQ(ComputeSky(moon, ComputationMode::kPrecise).used, ComputationUsed::kEphemerisFiles);
  EXPECT_NEAR(AngleDifference(moon.longitudes[kMoon], 133.162655 + 0.004610), 0,
              kMoonSeriesAccuracy);
}

// MC and AS from the closed formulas with the apparent sidereal time and
// the true obliquity the library gives, at places around the globe.
TEST_F(PreciseSky, AxesFollowTheClosedFormulas) {
  for (const double latitude : {-60.0, -33.9, 0.0, 21.3, 50.0, 64.1}) {
    for (const double longitude : {-122.4, 0.0, 10.0, 151.2}) {
      SkyState sky = SkyAt(17, 3, 2031, 7.25 + latitude / 10, longitude, latitude);
      ASSERT_NE(ComputeSky(sky, ComputationMode::kPrecise).used, ComputationUsed::kOwnAfterFailure);
      const double jdUT = 2415020.0 + sky.centuries * 36525.0;
      double nutation[6] = {};
      ASSERT_GE(swe_calc_ut(jdUT, SE_ECL_NUT, 0, nutation, nullptr), 0);
      const double eps = DegToRad(nutation[0]);
      const double ramc = DegToRad(swe_sidtime(jdUT) * 15 + longitude);
      const double mc = RadToDeg(std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)));
      const double as =
          RadToDeg(std::atan2(std::cos(ramc), -(std::sin(ramc) * std::cos(eps) +
                                                std::tan(DegToRad(latitude)) * std::sin(eps))));
      EXPECT_NEAR(AngleDifference(sky.longitudes[kMC], mc), 0, kArcsecond) << latitude;
      EXPECT_NEAR(AngleDifference(sky.longitudes[kAscendant], as), 0, kArcsecond) << latitude;
    }
  }
}

// The points the library does not know keep the own values; the planets are
// close to the own ones (within the own method's known error).
TEST_F(PreciseSky, KeepsOwnPointsAndStaysNearTheOwnPlanets) {
  const SkyState start = SkyAt(1, 6, 1987, 12);
  SkyState own = start, precise = start;
  ComputeSky(own, ComputationMode::kOwn);
  ComputeSky(precise, ComputationMode::kPrecise);
  for (int factor = kAriesPoint; factor < kFactorSlots; ++factor) {
    const bool fromLibrary = factor == kMC || factor == kAscendant || factor == kSun ||
                             factor == kMoon || factor == kLunarNode ||
                             (factor >= kMercury && factor <= kPluto);
    const double difference = AngleDifference(precise.longitudes[factor], own.longitudes[factor]);
    if (fromLibrary) {
      EXPECT_LT(std::fabs(difference), 2.0) << factor;
      EXPECT_NE(difference, 0) << factor;
    } else {
      EXPECT_EQ(difference, 0) << factor;
    }
  }
}

// Beyond the library's reach the own computation is used and said so;
// without ephemeris files its analytical theory stays within arcseconds.
TEST_F(PreciseSky, FallsBackAndSaysSo) {
  SkyState late = SkyAt(1, 1, 5000, 0), own = late;
  EXPECT_EQ(ComputeSky(late, ComputationMode::kPrecise).used, ComputationUsed::kOwnAfterFailure);
  ComputeSky(own);
  EXPECT_EQ(late.longitudes, own.longitudes);

  SkyState fine = SkyAt(3, 9, 2024, 18.5);
  EXPECT_EQ(ComputeSky(fine, ComputationMode::kPrecise).fallbackReason, "");
  EXPECT_EQ(ComputeSky(fine, ComputationMode::kOwn).fallbackReason, "");

  const SkyState start = SkyAt(3, 9, 2024, 18.5);
  SkyState withFiles = start, analytical = start;
  ASSERT_EQ(ComputeSky(withFiles, ComputationMode::kPrecise).used,
            ComputationUsed::kEphemerisFiles);
  const auto empty = std::filesystem::temp_directory_path() / "sternwerk-no-ephemeris";
  std::filesystem::create_directories(empty);
  SetEphemerisPath(empty.string());
  ASSERT_EQ(ComputeSky(analytical, ComputationMode::kPrecise).used,
            ComputationUsed::kAnalyticalTheory);
  for (int factor = 0; factor <= kPluto; ++factor) {
    EXPECT_NEAR(AngleDifference(analytical.longitudes[factor], withFiles.longitudes[factor]), 0,
                5 * kArcsecond)
        << factor;
  }
}

// The library's own text says why the precise mode fell back, for the whole
// sky as for the parts a search computes.
TEST_F(PreciseSky, AFallbackKeepsTheLibrarysReason) {
  SkyState late = SkyAt(1, 1, 5000, 0);
  const SkyComputation computed = ComputeSky(late, ComputationMode::kPrecise);
  EXPECT_EQ(computed.used, ComputationUsed::kOwnAfterFailure);
  // The Sun is the first body asked for; the library says why it has none.
  std::array<double, 6> position{};
  std::array<char, AS_MAXCH> libraryText{};
  const double jdUT = kEpochJD + late.centuries * kDaysPerCentury;
  ASSERT_LT(
      swe_calc_ut(jdUT, SE_SUN, SEFLG_SWIEPH | SEFLG_SPEED, position.data(), libraryText.data()),
      0);
  ASSERT_NE(libraryText.front(), '\0');
  EXPECT_EQ(computed.fallbackReason, libraryText.data());

  for (const bool axes : {true, false}) {
    SkyState parts = SkyAt(1, 1, 5000, 0);
    ComputeTime(parts);
    const SkyState before = parts;
    const Status status = ComputePreciseParts(parts, axes, kMoon, false);
    ASSERT_FALSE(status.ok()) << "axes " << axes;
    EXPECT_EQ(status.error(), computed.fallbackReason) << "axes " << axes;
    EXPECT_EQ(parts.longitudes[kMoon], before.longitudes[kMoon]) << "left untouched";
  }

  SkyState reachable = SkyAt(3, 9, 2024, 18.5);
  ComputeTime(reachable);
  EXPECT_TRUE(ComputePreciseParts(reachable, true, kMoon, true).ok());
}

}  // namespace
}  // namespace sternwerk
