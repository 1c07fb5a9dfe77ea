// Apparent longitudes of the Sun and the Moon and the mean lunar node.
//
// References:
//   Explanatory Supplement to the Astronomical Ephemeris and the American
//     Ephemeris and Nautical Almanac, HMSO, London 1961: the chapters
//     on the Sun (Newcomb's theory abridged), the Moon (Brown's theory:
//     mean elements and the largest periodic terms), nutation and
//     aberration.
//   Newcomb, S., Tables of the Sun, Astronomical Papers of the American
//     Ephemeris VI, part I, Washington 1895.
//   Brown, E. W., Tables of the Motion of the Moon, New Haven 1919.
//
// Accuracy: largest difference from the Swiss Ephemeris (apparent
// longitude, true equinox of date, Delta T applied) found by
// tests/engine/accuracy_sweep_test.cpp, degrees:
//             1600-1800 1800-1900 1900-2100 2100-2400 2400-3000 3000-9999
//   Sun         0.0012    0.001     0.003     0.01      0.06       -
//   Moon        0.03      0.005     0.035     0.18      1.0        -
//   mean node   0.013     0.009     0.01      0.015     0.025      0.8
// "-": not checked, the library has no positions after about 3000 here.
// Much of the Moon's growth is Delta T, which these series leave out: the
// Moon moves its own diameter in about an hour.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// Solar and lunar mean elements that ComputeSun gives to ComputeMoon of the
// same instant. Degrees.
struct LunisolarElements {
  double moonMeanLongitude = 0;  // Lm
  double moonPerigee = 0;        // Gamma, mean longitude of the lunar perigee
  double moonNode = 0;           // Omega, mean ascending node
  double sunMeanAnomaly = 0;     // M after the long-period correction
  double moonElongation = 0;     // Dm, mean elongation of the Moon
  double nutation = 0;           // Delta psi, nutation in longitude
};

// ComputeSun: apparent geocentric ecliptic longitude of the Sun.
//
// Given:   sky.centuries  T, Julian centuries of 36525 days from
//                         JD 2415020.0 (1900 January 0.5), Universal Time
//                         used as the time argument (no Delta T)
// Returned:
//          sky.longitudes[2]  the Sun, apparent geocentric longitude,
//                             degrees of the true equinox of date (mean
//                             equinox plus nutation), in [0, 360.01)
//          the mean elements of the Moon, the Sun's corrected mean
//          anomaly and the nutation in longitude, for ComputeMoon
//
// Notes:
// 1. The mean elements of the Sun (L, M, e), the obliquity's companion
//    constants and the perturbations by Venus, Mars, Jupiter, Saturn and the
//    Moon are Newcomb's theory of the Sun in the abridged form of the
//    almanacs of the 1960s; the Moon's mean elements (Lm, perigee, node) are
//    those of Brown's lunar theory as used in the same almanacs.
// 2. Kepler's equation is solved by five fixed-point steps, ample for the
//    Earth's eccentricity of 0.0167.
// 3. Aberration is -20.47" scaled by the Earth's distance; nutation keeps
//    the two largest terms (-17.23" sin node, -1.27" sin 2L).
// 4. Meant for a few centuries around 1900; far outside them the
//    polynomials drift but still give finite values. The accuracy per
//    period heads this file.
// 5. Allocates nothing.
LunisolarElements ComputeSun(SkyState& sky);

// ComputeMoon: apparent geocentric ecliptic longitude of the Moon and the
// longitude of its mean ascending node.
//
// Given:   sky.centuries  T as for ComputeSun
//          mean           what ComputeSun gave for the same instant
// Returned:
//          sky.longitudes[4]  the Moon, apparent geocentric longitude,
//                             degrees of the true equinox of date,
//                             in [0, 360.01)
//          sky.longitudes[5]  the mean ascending node, degrees of the mean
//                             equinox of date, [0, 360)
//
// Notes:
// 1. The 71 periodic terms (coefficients in seconds of arc, arguments
//    built from the Moon's mean anomaly, the Sun's mean anomaly, the
//    argument of latitude and the elongation) are the largest terms of
//    Brown's lunar theory; the four secular corrections A1..A4 include the
//    long-period Venus term of 14.27".
// 2. Takes the elements of ComputeSun for the same instant, and corrects
//    its own copy of them.
// 3. The node carries no periodic terms (mean node). The accuracy per
//    period heads this file.
// 4. Allocates nothing.
void ComputeMoon(SkyState& sky, LunisolarElements mean);

}  // namespace sternwerk
