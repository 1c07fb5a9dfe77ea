#include "engine/arithmetic.h"

#include <cmath>

namespace sternwerk {

double Int(double x) {
  return std::trunc(x);
}

double Frac(double x) {
  return x - Int(x);
}

double DegToRad(double degrees) {
  return static_cast<double>(degrees * kRadiansPerDegree);
}

double RadToDeg(double radians) {
  return static_cast<double>(radians * kDegreesPerRadian);
}

double Mod360(double x) {
  return x - Int(x / 360) * 360;
}

double FloorMod(double m, double x) {
  const double r = Frac(x / m) * m;
  return r < 0 ? r + m : r;
}

double SinDeg(double degrees) {
  return std::sin(DegToRad(degrees));
}

double CosDeg(double degrees) {
  return std::cos(DegToRad(degrees));
}

double Tan(double radians) {
  return std::sin(radians) / std::cos(radians);
}

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
