#include "engine/axes.h"

#include <cmath>

#include "engine/arithmetic.h"

namespace sternwerk {
namespace {

// Replacement values of ToPolar and FromPolar for exact zeros.
constexpr double kToPolarEpsilon = 1.754533e-9;
constexpr double kFromPolarEpsilon = 1.75453e-9;

// Greenwich sidereal time at 0 h in hours: a0 + a1 T + a2 T^2.
constexpr long double kSiderealAt1900 = 6.646065556L;
constexpr long double kSiderealRate = 2400.051262L;
constexpr long double kSiderealAcceleration = 0.000025805L;
constexpr double kDegreesPerHour = 15;

double SiderealAngleDegrees(double T, double hours, double longitude) {
  const double theta = static_cast<double>(
      (T * kSiderealRate + kSiderealAt1900 + T * (T * kSiderealAcceleration) + hours) *
          kDegreesPerHour +
      longitude);
  return theta;
}

double MediumCoeli(double ramc, double negativeObliquity) {
  Cartesian p = FromPolar(1.0, ramc, kFromPolarEpsilon);
  p.x = p.x * std::cos(-negativeObliquity);
  const Polar polar = ToPolar(p.y, p.x, kToPolarEpsilon);
  return Mod360(RadToDeg(polar.angle));
}

// The ecliptic point rising in the east, by successive plane rotations that
// avoid tan(latitude) and stay finite at the poles.
double Ascendant(double ramc, double negativeObliquity, double latitude) {
  const double phi = DegToRad(latitude);
  const Cartesian pole = FromPolar(1.0, phi, kFromPolarEpsilon);
  const Cartesian meridian = FromPolar(pole.x, ramc, kFromPolarEpsilon);
  Polar tilted = ToPolar(pole.y, meridian.y, kToPolarEpsilon);
  tilted.angle = tilted.angle + negativeObliquity;
  const Cartesian rotated = FromPolar(tilted.radius, tilted.angle, kFromPolarEpsilon);
  Polar horizon = ToPolar(rotated.x, meridian.x, kToPolarEpsilon);
  if (horizon.angle < 0) horizon.angle = static_cast<double>(horizon.angle + 2 * kPi);
  return Mod360(RadToDeg(static_cast<double>(horizon.angle + kPi / 2)));
}

}  // namespace

void ComputeAxes(SkyState& sky) {
  const double theta = SiderealAngleDegrees(sky.centuries, sky.hours, sky.longitude);
  sky.ramc = DegToRad(Mod360(theta));
  sky.longitudes[kMC] = MediumCoeli(sky.ramc, sky.negativeObliquity);
  sky.longitudes[kAriesPoint] = 0;
  sky.longitudes[kAscendant] = Ascendant(sky.ramc, sky.negativeObliquity, sky.latitude);
}

}  // namespace sternwerk
