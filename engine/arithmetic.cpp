#include "engine/arithmetic.h"

#include <cmath>

namespace sternwerk {

Polar ToPolar(double y, double x, double epsilon) {
  if (y == 0) y = epsilon;
  const double radius = std::sqrt(x * x + y * y);
  long double angle = std::atan(y / x);
  if (angle < 0) angle += kPi;
  if (y < 0) angle += kPi;
  return {radius, static_cast<double>(angle)};
}

Cartesian FromPolar(double r, double angle, double epsilon) {
  if (angle == 0) angle = epsilon;
  return {r * std::cos(angle), r * std::sin(angle)};
}

}  // namespace sternwerk
