// Whole numbers of the drawings: a truncation toward zero, and the
// point at a screen angle (counterclockwise from the right, y running down)
// and a radius, each coordinate truncated.
#pragma once

#include <cmath>

#include "engine/arithmetic.h"
#include "platform/picture.h"

namespace sternwerk {

inline int TruncToInt(double x) {
  return static_cast<int>(std::trunc(x));
}

inline Point OnCircle(Point origin, double r, double degrees) {
  return {origin.x + TruncToInt(r * CosDeg(degrees)), origin.y - TruncToInt(r * SinDeg(degrees))};
}

}  // namespace sternwerk
