// Apparent longitudes of the Sun and the Moon and the mean lunar node.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// ComputeSun: apparent geocentric ecliptic longitude of the Sun.
//
// Given:   sky.centuries  T, Julian centuries of 36525 days from
//                         JD 2415020.0 (1900 January 0.5), Universal Time
//                         used as the time argument
// Returned:
//          sky.longitudes[2]  the Sun, degrees of the mean equinox of date
//                             plus nutation in longitude, in [0, 360.01)
//          sky.lunisolar      mean elements of the Moon and the Sun's
//                             corrected mean anomaly (degrees) and the
//                             nutation in longitude, for ComputeMoon
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
//    polynomials drift but still give finite values. Against a modern
//    ephemeris the Sun is good to about 0.003 degrees over 1900-2100.
// 5. Allocates nothing.
void ComputeSun(SkyState& sky);

// ComputeMoon: apparent geocentric ecliptic longitude of the Moon and the
// longitude of its mean ascending node.
//
// Given:   sky.centuries  T as for ComputeSun
//          sky.lunisolar  as left by ComputeSun for the same instant
// Returned:
//          sky.longitudes[4]  the Moon, degrees, in [0, 360.01)
//          sky.longitudes[5]  the mean ascending node, degrees, [0, 360)
//
// Notes:
// 1. The 71 periodic terms (coefficients in seconds of arc, arguments
//    built from the Moon's mean anomaly, the Sun's mean anomaly, the
//    argument of latitude and the elongation) are the largest terms of
//    Brown's lunar theory; the four secular corrections A1..A4 include the
//    long-period Venus term of 14.27".
// 2. Must follow ComputeSun for the same instant: it reuses and changes
//    sky.lunisolar.
// 3. The node carries no periodic terms (mean node). Against a modern
//    ephemeris the Moon is good to about 0.045 degrees over 1900-2100.
// 4. Allocates nothing.
void ComputeMoon(SkyState& sky);

}  // namespace sternwerk
