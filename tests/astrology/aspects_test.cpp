// Aspects of chosen pairs of points: each kind at the edge of its orb,
// across 0 degrees, applying and separating both ways; edited orbs; and
// the daily motions a real sky gives.
#include "astrology/aspects.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/factors.h"
#include "tests/support/sky_at.h"

namespace sternwerk {
namespace {

using testing::ComputedSkyAt;

constexpr double kSunMotion = 1, kMoonMotion = 13, kSaturnRetrograde = -0.05;

struct Case {
  double sun, moon;  // longitudes; the Sun moves 1 degree a day, the Moon 13
  std::optional<AspectKind> kind;
  double orb;
  bool applying;
};

std::vector<Aspect> AspectsOf(double sun, double moon, const AspectOrbs& orbs = {}) {
  return FindAspects({{kSun, sun, kSunMotion}, {kMoon, moon, kMoonMotion}}, orbs);
}

TEST(Aspects, EachKindWithinItsOrbApplyingOrSeparating) {
  const Case cases[] = {
      {10, 17, AspectKind::kConjunction, 7, false},  // Moon ahead and faster
      {10, 3, AspectKind::kConjunction, 7, true},
      {358, 5.5, AspectKind::kConjunction, 7.5, false},  // across 0 degrees
      {5.5, 358, AspectKind::kConjunction, 7.5, true},
      {10, 18.5, std::nullopt, 0, false},             // past the 8 degrees
      {100, 272, AspectKind::kOpposition, 8, true},   // 172, widening towards 180
      {100, 282, AspectKind::kOpposition, 2, false},  // 182: 178 the other way, widening
      {0, 125, AspectKind::kTrine, 5, false},
      {0, 233, AspectKind::kTrine, 7, true},     // 127 behind, closing to 120
      {40, 130, AspectKind::kSquare, 0, false},  // exact counts as separating
      {40, 316.5, AspectKind::kSquare, 6.5, false},
      {200, 255, AspectKind::kSextile, 5, true},
      {200, 254.9, std::nullopt, 0, false},
      {0, 43.5, AspectKind::kSemiSquare, 1.5, true},
      {0, 47.5, std::nullopt, 0, false},
      {90, 224, AspectKind::kSesquiquadrate, 1, true},
      {90, 317, AspectKind::kSesquiquadrate, 2, false},  // 133 the other way, widening
      {0, 130, std::nullopt, 0, false},                  // between trine and sesquiquadrate
  };
  for (const Case& c : cases) {
    const std::vector<Aspect> aspects = AspectsOf(c.sun, c.moon);
    if (!c.kind) {
      EXPECT_TRUE(aspects.empty()) << c.sun << " " << c.moon;
      continue;
    }
    ASSERT_EQ(aspects.size(), 1u) << c.sun << " " << c.moon;
    const Aspect& aspect = aspects.front();
    EXPECT_EQ(aspect.first, kSun);
    EXPECT_EQ(aspect.second, kMoon);
    EXPECT_EQ(aspect.kind, *c.kind) << c.sun << " " << c.moon;
    EXPECT_NEAR(aspect.orb, c.orb, 1e-9) << c.sun << " " << c.moon;
    EXPECT_EQ(aspect.applying, c.applying) << c.sun << " " << c.moon;
  }
}

TEST(Aspects, EditedOrbsWidenAndNarrowAndTheNearestKindWins) {
  AspectOrbs orbs;
  EXPECT_EQ(orbs, AspectOrbs{});
  orbs[AspectKind::kTrine] = 1;
  orbs[AspectKind::kSesquiquadrate] = 10;
  EXPECT_NE(orbs, AspectOrbs{});
  EXPECT_TRUE(AspectsOf(0, 123, orbs).empty());
  // 126 lies within both the trine's default 7 and the widened 10 of the
  // sesquiquadrate: the trine is nearer.
  orbs[AspectKind::kTrine] = 7;
  ASSERT_EQ(AspectsOf(0, 126, orbs).size(), 1u);
  EXPECT_EQ(AspectsOf(0, 126, orbs).front().kind, AspectKind::kTrine);
  EXPECT_EQ(AspectsOf(0, 129, orbs).front().kind, AspectKind::kSesquiquadrate);
}

TEST(Aspects, RetrogradeMotionTurnsApplyingAround) {
  // Saturn 4 degrees past the square to the Sun: the Sun catches up while
  // Saturn moves back.
  const std::vector<Aspect> aspects =
      FindAspects({{kSun, 0, kSunMotion}, {kSaturn, 94, kSaturnRetrograde}}, {});
  ASSERT_EQ(aspects.size(), 1u);
  EXPECT_EQ(aspects.front().kind, AspectKind::kSquare);
  EXPECT_TRUE(aspects.front().applying);
}

// The motions of a computed sky: the MC about once a sidereal day (faster
// near the equinoxes' meridian), the Moon 12 to 15 degrees a day, the
// retrograde Mercury of 01.11.2026 back.
TEST(ChartPointsOfASky, MotionsAreThoseOfTheSky) {
  const SkyState sky = ComputedSkyAt(1, 11, 2026, 0.25);
  const std::vector<ChartPoint> points = ChartPoints(sky, ComputationMode::kOwn, true);
  ASSERT_EQ(points.size(), static_cast<std::size_t>(kDrawnFactors));
  const struct {
    int factor;
    double low, high;
  } motions[] = {{kMC, 330, 395},           {kAscendant, 200, 800}, {kAriesPoint, 0, 0},
                 {kSun, 0.95, 1.05},        {kMoon, 11.7, 15.3},    {kMercury, -1.5, -0.01},
                 {kLunarNode, -0.06, -0.04}};
  for (const auto& [factor, low, high] : motions) {
    const ChartPoint& point = points[static_cast<std::size_t>(factor)];
    EXPECT_EQ(point.factor, factor);
    EXPECT_DOUBLE_EQ(point.longitude, sky.longitudes[static_cast<std::size_t>(factor)]);
    EXPECT_GE(point.dailyMotion, low) << kFactorCodes[static_cast<std::size_t>(factor)];
    EXPECT_LE(point.dailyMotion, high) << kFactorCodes[static_cast<std::size_t>(factor)];
  }
  EXPECT_EQ(ChartPoints(sky, ComputationMode::kOwn, false).size(), 12u);
}

}  // namespace
}  // namespace sternwerk
