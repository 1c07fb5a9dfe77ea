#include <cmath>

#include "engine/arithmetic.h"
#include "engine/calendar.h"
#include "engine/sun_moon.h"

namespace sternwerk {
namespace {

constexpr int kKeplerIterations = 5;
constexpr double kArcsecondsPerDegree = 3600;

// Periodic perturbations of the Sun by Venus, Mars, Jupiter and Saturn, in
// seconds of arc; arguments are mean longitudes and the Sun's anomaly M.
double VenusPerturbation(double V, double M) {
  return 4.838 * CosDeg(V + 90) + 5.526 * CosDeg(2 * V + 90.12) +
         2.497 * CosDeg(2 * V - M + 257.75) + 1.559 * CosDeg(3 * V - M + 77.96) +
         1.024 * CosDeg(3 * V - 2 * M + 50.85) + 0.666 * CosDeg(3 * V + 270.41) +
         0.21 * CosDeg(4 * V + 89.8) + 0.154 * CosDeg(5 * V - 3 * M + 34.1) +
         0.152 * CosDeg(4 * V - 2 * M + 227.4) + 0.144 * CosDeg(4 * V - M + 79.0);
}

double MarsPerturbation(double Ma, double M) {
  return 2.043 * CosDeg(2 * Ma + 89.76) + 1.77 * CosDeg(2 * Ma - M + 306.27) +
         0.585 * CosDeg(4 * Ma - 2 * M + 185.82) + 0.5 * CosDeg(4 * Ma - M + 317.7) +
         0.425 * CosDeg(3 * Ma - M + 317.7) + 0.204 * CosDeg(5 * Ma - 2 * M + 185.5);
}

double JupiterPerturbation(double J, double M) {
  return 7.208 * CosDeg(J + 91.09) + 2.731 * CosDeg(2 * J + 270.25) + 2.6 * CosDeg(J - M + 174.77) +
         1.61 * CosDeg(2 * J - M + 292.6) + 0.556 * CosDeg(3 * J - M + 177.31);
}

double SaturnPerturbation(double Ds, double M) {
  return 0.419 * CosDeg(Ds + 90.34) + 0.32 * CosDeg(Ds - M + 259.22);
}

// Long-period correction of the mean anomaly and longitude, seconds of arc.
double LongPeriodCorrection(double T) {
  return 6.4 * SinDeg(231.19 + 20.2 * T) + (1.882 - 0.016 * T) * SinDeg(57.24 + 150.27 * T) +
         0.266 * SinDeg(31.8 + 119.0 * T) + 0.202 * SinDeg(315.6 + 893.3 * T);
}

}  // namespace

LunisolarElements ComputeSun(SkyState& sky) {
  LunisolarElements mean;
  const double T = sky.centuries;
  const double Dd = kDaysPerCentury * T;
  const double T2 = T * T;

  mean.moonMeanLongitude =
      Mod360(270.4341639 + 13.1763965268 * Dd + (0.0000019 * T - 0.001133) * T2);
  mean.moonPerigee = Mod360(334.3295556 + 0.1114040803 * Dd + (-0.000012 * T + 0.010325) * T2);
  mean.moonNode = Mod360(259.183275 - 0.0529539222 * Dd + (0.000002 * T + 0.002078) * T2);
  double L = 279.6966778 + 36000.76892 * T + 0.0003025 * T2;
  double M = 358.4758444 + 35999.04975 * T - 0.00015 * T2;
  const double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T2;
  M = Mod360(M);
  L = Mod360(L);
  M = DegToRad(M);

  double E = M;
  for (int i = 0; i < kKeplerIterations; ++i) E = e * std::sin(E) + M;

  double trueAnomaly = RadToDeg(2 * std::atan(std::sqrt((1 + e) / (1 - e)) * Tan(E / 2)));
  if (trueAnomaly < 0) trueAnomaly += 360;
  M = RadToDeg(M);
  const double trueLongitude = Mod360(trueAnomaly - M + L);

  const double w = LongPeriodCorrection(T) / kArcsecondsPerDegree;
  M += w;

  const double Ma = Mod360(165.94905 + 16859.069667 * T);
  const double Ds = Mod360(193.1323 + 34777.259042 * T);
  const double V = Mod360(63.07037 + 22518.442986 * T);
  const double J = Mod360(221.64742 + 32964.466939 * T);

  mean.moonElongation = 350.7374861 + 445267.114166 * T - 0.001436111 * T2;
  const double moonAnomaly = 296.1046083 + 477198.8489 * T + 0.00919166666 * T2;
  const double lunarPerturbation =
      6.454 * SinDeg(mean.moonElongation) + 0.424 * SinDeg(mean.moonElongation - moonAnomaly);

  double longitude = trueLongitude + w + VenusPerturbation(V, M) / kArcsecondsPerDegree +
                     MarsPerturbation(Ma, M) / kArcsecondsPerDegree +
                     JupiterPerturbation(J, M) / kArcsecondsPerDegree +
                     SaturnPerturbation(Ds, M) / kArcsecondsPerDegree +
                     lunarPerturbation / kArcsecondsPerDegree;

  const double aberration = -(20.47 + 0.342 * CosDeg(M)) / kArcsecondsPerDegree;
  mean.nutation = (-(17.2327 + 0.01737 * T) * SinDeg(mean.moonNode) - 1.273 * SinDeg(2 * L)) /
                  kArcsecondsPerDegree;
  mean.sunMeanAnomaly = M;

  longitude = longitude + mean.nutation + aberration;
  sky.longitudes[kSun] = longitude < 0 ? longitude + 360 : longitude;
  return mean;
}

}  // namespace sternwerk
