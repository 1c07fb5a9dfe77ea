// Aspects between the factors of a chart: the angles the astrologer looks
// for, each within its orb, and whether it is applying or separating.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "astrology/chart_points.h"

namespace sternwerk {

enum class AspectKind {
  kConjunction,
  kOpposition,
  kTrine,
  kSquare,
  kSextile,
  kSemiSquare,
  kSesquiquadrate,
};

inline constexpr int kAspectKinds = 7;

// The aspect's angle, degrees: 0, 180, 120, 90, 60, 45, 135.
double AspectAngle(AspectKind kind);

// The aspect's name in the language shown ("Trigon", "Quadrat", ...), UTF-8.
std::string AspectName(AspectKind kind);

// The largest deviation from the exact angle each aspect is counted with,
// degrees. A value the caller edits and keeps.
struct AspectOrbs {
  std::array<double, kAspectKinds> degrees = {8, 8, 7, 7, 5, 2, 2};

  double& operator[](AspectKind kind) { return degrees[static_cast<std::size_t>(kind)]; }
  double operator[](AspectKind kind) const { return degrees[static_cast<std::size_t>(kind)]; }
  friend bool operator==(const AspectOrbs&, const AspectOrbs&) = default;
};

struct Aspect {
  int first = 0;  // factor numbers, first < second in the points' order
  int second = 0;
  AspectKind kind = AspectKind::kConjunction;
  double orb = 0;         // the deviation from the exact angle, degrees, >= 0
  bool applying = false;  // the deviation shrinks; else separating (or exact)
};

// FindAspects: every pair of points that forms an aspect.
//
// Given:   the points (ChartPoints), the orbs
// Returned:
//          one entry per pair whose angular distance lies within an
//          aspect's orb, the aspect nearest to exact where orbs overlap;
//          pairs in the order of the points (first with every later one,
//          then the second ...)
//
// Notes:
// 1. Applying or separating follows from the points' daily motions: the
//    aspect applies while the distance moves towards the exact angle.
std::vector<Aspect> FindAspects(const std::vector<ChartPoint>& points, const AspectOrbs& orbs);

}  // namespace sternwerk
