// Aspects of chosen pairs of points: each kind at the edge of its orb,
// across 0 degrees, applying and separating both ways, retrograde motion,
// and edited orbs.
#include "astrology/aspects.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/factors.h"

namespace sternwerk {
namespace {

// The first point moves 1 degree a day, the second 13, or back when noted.
std::vector<Aspect> AspectsOf(double first, double second, double secondMotion = 13,
                              const AspectOrbs& orbs = {}) {
  return FindAspects({{kSun, first, 1}, {kMoon, second, secondMotion}}, orbs);
}

TEST(Aspects, EachKindWithinItsOrbApplyingOrSeparating) {
  const struct {
    double first, second, secondMotion;
    std::optional<AspectKind> kind;
    double orb;
    bool applying;
  } cases[] = {
      {10, 17, 13, AspectKind::kConjunction, 7, false},      // the faster ahead
      {358, 5.5, 13, AspectKind::kConjunction, 7.5, false},  // across 0 degrees
      {5.5, 358, 13, AspectKind::kConjunction, 7.5, true},
      {10, 18.5, 13, std::nullopt, 0, false},             // past the 8 degrees
      {100, 272, 13, AspectKind::kOpposition, 8, true},   // 172, widening to 180
      {100, 282, 13, AspectKind::kOpposition, 2, false},  // 178 the other way, widening
      {0, 233, 13, AspectKind::kTrine, 7, true},          // 127 behind, closing
      {40, 130, 13, AspectKind::kSquare, 0, false},       // exact counts as separating
      {0, 94, -0.05, AspectKind::kSquare, 4, true},       // retrograde, caught up
      {200, 255, 13, AspectKind::kSextile, 5, true},
      {0, 43.5, 13, AspectKind::kSemiSquare, 1.5, true},
      {90, 224, 13, AspectKind::kSesquiquadrate, 1, true},
      {90, 317, 13, AspectKind::kSesquiquadrate, 2, false},  // 133 the other way, widening
      {0, 130, 13, std::nullopt, 0, false},                  // between trine and sesquiquadrate
  };
  for (const auto& c : cases) {
    const std::vector<Aspect> aspects = AspectsOf(c.first, c.second, c.secondMotion);
    ASSERT_EQ(aspects.size(), c.kind ? 1u : 0u) << c.first << " " << c.second;
    if (!c.kind) continue;
    const Aspect& aspect = aspects.front();
    EXPECT_EQ(aspect.first, kSun);
    EXPECT_EQ(aspect.second, kMoon);
    EXPECT_EQ(aspect.kind, *c.kind) << c.first << " " << c.second;
    EXPECT_NEAR(aspect.orb, c.orb, 1e-9) << c.first << " " << c.second;
    EXPECT_EQ(aspect.applying, c.applying) << c.first << " " << c.second;
  }
}

// A narrowed trine loses 123 degrees; where a widened sesquiquadrate
// overlaps the trine's orb the nearer aspect wins.
TEST(Aspects, EditedOrbsWidenAndNarrowAndTheNearestKindWins) {
  AspectOrbs orbs;
  orbs[AspectKind::kTrine] = 1;
  orbs[AspectKind::kSesquiquadrate] = 10;
  EXPECT_NE(orbs, AspectOrbs{});
  EXPECT_TRUE(AspectsOf(0, 123, 13, orbs).empty());
  orbs[AspectKind::kTrine] = 7;
  EXPECT_EQ(AspectsOf(0, 126, 13, orbs).front().kind, AspectKind::kTrine);
  EXPECT_EQ(AspectsOf(0, 129, 13, orbs).front().kind, AspectKind::kSesquiquadrate);
}

}  // namespace
}  // namespace sternwerk
