// Arithmetic helpers shared by the position computations. Angles in degrees
// unless a name says radians; Int truncates toward zero, never floors.
#pragma once

namespace sternwerk {

inline constexpr long double kPi = 3.14159265358979323846264338327950288L;
inline constexpr long double kDegreesPerRadian = 57.295779513082320877L;
inline constexpr long double kRadiansPerDegree = 0.017453292519943295769L;

// Truncation toward zero, as a real: Int(-2.7) = -2.
double Int(double x);
// x - Int(x); negative for negative x.
double Frac(double x);

double DegToRad(double degrees);
double RadToDeg(double radians);

// x - Int(x / 360) * 360: keeps the sign of x (Mod360(-370) = -10).
double Mod360(double x);
// Remainder of x by m in [0, m) for m > 0.
double FloorMod(double m, double x);

double SinDeg(double degrees);
double CosDeg(double degrees);
// sin(x) / cos(x), x in radians.
double Tan(double radians);

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
