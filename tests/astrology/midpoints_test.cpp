// Midpoints and the 90-degree dial: the nearer midpoint across 0 degrees
// and of opposite points, the list sorted by dial place, and the pointer's
// reading with the 45- and 135-degree points.
#include "astrology/midpoints.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/factors.h"

namespace sternwerk {
namespace {

TEST(Midpoints, TheNearerMidpointLiesOnTheShorterArc) {
  const struct {
    double first, second, midpoint;
  } cases[] = {{10, 50, 30},    {50, 10, 30},    {350, 10, 0},   {10, 350, 0},
               {300, 100, 20},  {100, 300, 20},  {0, 180, 90},   {180, 0, 270},
               {359.5, 0.5, 0}, {120, 120, 120}, {200, 340, 270}};
  for (const auto& c : cases) {
    const double midpoint = NearerMidpoint(c.first, c.second);
    EXPECT_NEAR(std::remainder(midpoint - c.midpoint, 360.0), 0, 1e-9)
        << c.first << " " << c.second;
    EXPECT_GE(midpoint, 0);
    EXPECT_LT(midpoint, 360);
  }
  for (const auto& [longitude, place] :
       {std::pair{0.0, 0.0}, {89.99, 89.99}, {90.0, 0.0}, {275.5, 5.5}, {-10.0, 80.0}})
    EXPECT_NEAR(DialPlace(longitude), place, 1e-9) << longitude;
}

// Four points give six midpoints, listed by their place on the dial.
TEST(Midpoints, AllPairsSortedByTheirPlaceOnTheDial) {
  const std::vector<ChartPoint> points = {
      {kMC, 100, 0}, {kSun, 350, 0}, {kAscendant, 200, 0}, {kMoon, 30, 0}};
  const struct {
    int first, second;
    double longitude;  // dial places 5, 10, 25, 45, 60, 65
  } sorted[] = {{kSun, kAscendant, 275}, {kSun, kMoon, 10},      {kAscendant, kMoon, 115},
                {kMC, kSun, 45},         {kMC, kAscendant, 150}, {kMC, kMoon, 65}};
  const std::vector<Midpoint> midpoints = SortedMidpoints(points);
  ASSERT_EQ(midpoints.size(), std::size(sorted));
  for (std::size_t i = 0; i < midpoints.size(); ++i) {
    EXPECT_EQ(midpoints[i].first, sorted[i].first) << i;
    EXPECT_EQ(midpoints[i].second, sorted[i].second) << i;
    EXPECT_NEAR(midpoints[i].longitude, sorted[i].longitude, 1e-9) << i;
    EXPECT_FALSE(midpoints[i].IsFactor());
  }
}

// The pointer at 10 degrees on the dial reads the points at 10, 100, 190,
// 280 (conjunction, square, opposition) and at 55, 145, 235, 325 (the 45-
// and 135-degree points), within the orb, nearest first.
TEST(NinetyDegreeDial, PointerReadsFactorsAndMidpointsWithTheirHalfDialPoints) {
  const std::vector<ChartPoint> points = {{kSun, 190.5, 0},
                                          {kMoon, 325.8, 0},
                                          {kMercury, 11.2, 0},
                                          {kVenus, 60, 0},
                                          {kJupiter, 97.4, 0}};
  const struct {
    int first, second;
    double distance;
    bool atHalfDial;
  } expected[] = {
      {kSun, kSun, 0.5, false},      {kMercury, kJupiter, -0.7, true},  // midpoint 54.3
      {kMoon, kMoon, 0.8, true},     {kSun, kMercury, 0.85, false},     // 100.85
      {kSun, kJupiter, -1.05, true}, {kMercury, kMercury, 1.2, false},  // 143.95
  };
  for (const double pointer : {10.0, 100.0, -80.0}) {
    const std::vector<DialHit> hits = PointsAtPointer(points, pointer, 1.5);
    ASSERT_EQ(hits.size(), std::size(expected)) << pointer;
    for (std::size_t i = 0; i < hits.size(); ++i) {
      EXPECT_EQ(hits[i].point.first, expected[i].first) << i;
      EXPECT_EQ(hits[i].point.second, expected[i].second) << i;
      EXPECT_NEAR(hits[i].distance, expected[i].distance, 1e-9) << i;
      EXPECT_EQ(hits[i].atHalfDial, expected[i].atHalfDial) << i;
    }
  }
  // Across the dial's zero: the pointer at 89.8 reads a point at 0.3 on the
  // dial (180.3) 0.5 ahead of it.
  const std::vector<DialHit> atZero = PointsAtPointer({{kSun, 180.3, 0}}, 89.8, 1);
  ASSERT_EQ(atZero.size(), 1u);
  EXPECT_NEAR(atZero.front().distance, 0.5, 1e-9);
  EXPECT_TRUE(PointsAtPointer(points, 30, 1.5).empty());
}

}  // namespace
}  // namespace sternwerk
