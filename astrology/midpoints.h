// Midpoints of a chart and the Hamburg school's 90-degree dial: every
// longitude taken modulo 90 degrees, so that the conjunction, square and
// opposition of a point coincide, and its 45- and 135-degree points lie
// half the dial away.
#pragma once

#include <vector>

#include "astrology/chart_points.h"

namespace sternwerk {

inline constexpr double kDialRange = 90;  // degrees of longitude the dial shows once
inline constexpr double kHalfDialRange = kDialRange / 2;

// A midpoint of two factors, or a factor itself when first == second (a
// factor is its own midpoint on the dial).
struct Midpoint {
  int first = 0;  // factor numbers
  int second = 0;
  double longitude = 0;  // degrees, [0, 360)

  bool IsFactor() const { return first == second; }
};

// A longitude's place on the 90-degree dial, degrees in [0, 90).
double DialPlace(double longitude);

// The nearer midpoint of two longitudes, degrees in [0, 360): halfway along
// the shorter arc between them; for two points exactly opposite, the one
// 90 degrees after the first.
double NearerMidpoint(double first, double second);

// SortedMidpoints: the nearer midpoint of every pair of points, sorted by
// DialPlace (pairs in the points' order where two places are equal).
std::vector<Midpoint> SortedMidpoints(const std::vector<ChartPoint>& points);

struct DialHit {
  Midpoint point;
  // DialPlace of the point minus the pointer's, brought to the nearest of
  // the pointer and its 45-degree point: degrees in [-22.5, 22.5).
  double distance = 0;
  // The point stands at the pointer's 45- or 135-degree point (half the
  // dial away), not at the pointer itself (conjunction, square, opposition).
  bool atHalfDial = false;
};

// PointsAtPointer: the 90-degree dial's reading at a pointer.
//
// Given:   the points (ChartPoints), the pointer's place on the dial
//          (degrees, any value; taken modulo 90), the orb (degrees, >= 0)
// Returned:
//          the factors and the midpoints of all pairs whose dial place lies
//          within the orb of the pointer or of the point half the dial
//          away, nearest first (pairs in the points' order where equal)
std::vector<DialHit> PointsAtPointer(const std::vector<ChartPoint>& points, double pointer,
                                     double orb);

}  // namespace sternwerk
