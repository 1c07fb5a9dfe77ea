// Arithmetic helpers shared by the position computations. Angles in degrees
// unless a name says radians; Int truncates toward zero, never floors.
#pragma once

#include <cmath>

namespace sternwerk {

inline constexpr long double kPi = 3.14159265358979323846264338327950288L;
inline constexpr long double kDegreesPerRadian = 57.295779513082320877L;
inline constexpr long double kRadiansPerDegree = 0.017453292519943295769L;

// These small helpers run hundreds of times per recomputation, so they are
// defined here to be inlined.

// Truncation toward zero, as a real: Int(-2.7) = -2.
inline double Int(double x) {
  return std::trunc(x);
}
// x - Int(x); negative for negative x.
inline double Frac(double x) {
  return x - Int(x);
}

// The conversion factors are applied in extended precision, then rounded.
inline double DegToRad(double degrees) {
  return static_cast<double>(degrees * kRadiansPerDegree);
}
inline double RadToDeg(double radians) {
  return static_cast<double>(radians * kDegreesPerRadian);
}

// x - Int(x / 360) * 360: keeps the sign of x (Mod360(-370) = -10).
inline double Mod360(double x) {
  return x - Int(x / 360) * 360;
}

// Remainder of x by m in [0, m) for m > 0.
inline double FloorMod(double m, double x) {
  const double r = Frac(x / m) * m;
  return r < 0 ? r + m : r;
}

inline double SinDeg(double degrees) {
  return std::sin(DegToRad(degrees));
}
inline double CosDeg(double degrees) {
  return std::cos(DegToRad(degrees));
}
// sin(x) / cos(x), x in radians.
inline double Tan(double radians) {
  return std::sin(radians) / std::cos(radians);
}

struct Polar {
  double radius;
  double angle;  // radians, [0, 2 pi)
};
struct Cartesian {
  double x;
  double y;
};

// Polar form of the point (x, y); a y of exactly 0 is replaced by epsilon so
// the angle of a point on the x axis is defined (about 0 or about pi).
Polar ToPolar(double y, double x, double epsilon);
// Cartesian form of (r, angle); an angle of exactly 0 is replaced by epsilon.
Cartesian FromPolar(double r, double angle, double epsilon);

}  // namespace sternwerk
