#include "astrology/midpoints.h"

#include <algorithm>
#include <cmath>

#include "engine/arithmetic.h"

namespace sternwerk {
namespace {

constexpr double kFullCircle = 360;

// Every pair of points (the factors themselves too when `withFactors`), in
// the points' order.
std::vector<Midpoint> Pairs(const std::vector<ChartPoint>& points, bool withFactors) {
  std::vector<Midpoint> pairs;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (withFactors) pairs.push_back({points[i].factor, points[i].factor, points[i].longitude});
    for (std::size_t j = i + 1; j < points.size(); ++j) {
      pairs.push_back({points[i].factor, points[j].factor,
                       NearerMidpoint(points[i].longitude, points[j].longitude)});
    }
  }
  return pairs;
}

}  // namespace

double DialPlace(double longitude) {
  return FloorMod(kDialRange, longitude);
}

double NearerMidpoint(double first, double second) {
  const double turn = ShortestTurn(first, second);
  // ShortestTurn gives +180, never -180, for opposite points.
  return FloorMod(kFullCircle, first + turn / 2);
}

std::vector<Midpoint> SortedMidpoints(const std::vector<ChartPoint>& points) {
  std::vector<Midpoint> midpoints = Pairs(points, false);
  std::stable_sort(midpoints.begin(), midpoints.end(), [](const Midpoint& a, const Midpoint& b) {
    return DialPlace(a.longitude) < DialPlace(b.longitude);
  });
  return midpoints;
}

std::vector<DialHit> PointsAtPointer(const std::vector<ChartPoint>& points, double pointer,
                                     double orb) {
  std::vector<DialHit> hits;
  for (const Midpoint& candidate : Pairs(points, true)) {
    // The offset from the pointer within the dial, then to the nearer of
    // the pointer and its half-dial point.
    const double offset = FloorMod(kDialRange, DialPlace(candidate.longitude) - pointer);
    const double distance =
        FloorMod(kHalfDialRange, offset + kHalfDialRange / 2) - kHalfDialRange / 2;
    if (std::fabs(distance) > orb) continue;
    const bool atHalfDial = std::fabs(offset - kHalfDialRange) <= kHalfDialRange / 2;
    hits.push_back({candidate, distance, atHalfDial});
  }
  std::stable_sort(hits.begin(), hits.end(), [](const DialHit& a, const DialHit& b) {
    return std::fabs(a.distance) < std::fabs(b.distance);
  });
  return hits;
}

}  // namespace sternwerk
