// Midpoints and the 90-degree dial: the nearer midpoint across 0 degrees
// and of opposite points, and the pointer's reading with the 45- and
// 135-degree points.
#include "astrology/midpoints.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/factors.h"

namespace sternwerk {
namespace {

// The sorted list of a real chart: tests/tools/sky_astrology_test.sh.
TEST(Midpoints, TheNearerMidpointLiesOnTheShorterArc) {
  for (const auto& [first, second, midpoint] : {std::tuple{350.0, 10.0, 0.0},
                                                {10.0, 350.0, 0.0},
                                                {300.0, 100.0, 20.0},
                                                {0.0, 180.0, 90.0},
                                                {180.0, 0.0, 270.0},
                                                {359.5, 0.5, 0.0},
                                                {200.0, 340.0, 270.0}})
    EXPECT_NEAR(NearerMidpoint(first, second), midpoint, 1e-9) << first << " " << second;
}

// The pointer at 10 degrees (or 100, or -80) reads the points at 10, 100,
// 190, 280 and at their 45- and 135-degree points 55, 145, 235, 325 within
// the orb, nearest first.
TEST(NinetyDegreeDial, PointerReadsFactorsAndMidpointsWithTheirHalfDialPoints) {
  const std::vector<ChartPoint> points = {{kSun, 190.5, 0},
                                          {kMoon, 325.8, 0},
                                          {kMercury, 11.2, 0},
                                          {kVenus, 60, 0},
                                          {kJupiter, 97.4, 0}};
  const std::vector<std::tuple<int, int, double, bool>> expected = {
      {kSun, kSun, 0.5, false},      {kMercury, kJupiter, -0.7, true},   // midpoint 54.3
      {kMoon, kMoon, 0.8, true},     {kSun, kMercury, 0.85, false},      // 100.85
      {kSun, kJupiter, -1.05, true}, {kMercury, kMercury, 1.2, false}};  // 143.95
  for (const double pointer : {10.0, 100.0, -80.0}) {
    const std::vector<DialHit> hits = PointsAtPointer(points, pointer, 1.5);
    ASSERT_EQ(hits.size(), expected.size()) << pointer;
    for (std::size_t i = 0; i < hits.size(); ++i) {
      const auto& [first, second, distance, atHalfDial] = expected[i];
      EXPECT_EQ(std::tuple(hits[i].point.first, hits[i].point.second), std::tuple(first, second));
      EXPECT_NEAR(hits[i].distance, distance, 1e-9) << i;
      EXPECT_EQ(hits[i].atHalfDial, atHalfDial) << i;
    }
  }
  // Across the dial's zero: a point at 0.3 on the dial is 0.5 ahead of 89.8.
  EXPECT_NEAR(PointsAtPointer({{kSun, 180.3, 0}}, 89.8, 1).at(0).distance, 0.5, 1e-9);
  EXPECT_TRUE(PointsAtPointer(points, 30, 1.5).empty());
}

}  // namespace
}  // namespace sternwerk
