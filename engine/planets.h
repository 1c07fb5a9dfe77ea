// Geocentric longitudes of Mercury to Pluto and the hypothetical points,
// their retrograde flags, and the point GZ (the galactic centre, German
// "Galaktisches Zentrum").
//
// References:
//   Explanatory Supplement to the Astronomical Ephemeris and the American
//     Ephemeris and Nautical Almanac, HMSO, London 1961: the chapter on
//     the planets (mean orbital elements referred to the mean equinox of
//     date).
//   Meeus, J., Astronomical Algorithms, 2nd ed., Willmann-Bell 1998:
//     chapter 30 (Kepler's equation), chapter 33 (geocentric positions
//     from heliocentric ones, light-time).
//
// Accuracy: largest difference from the Swiss Ephemeris (apparent
// longitude, true equinox of date) found by
// tests/engine/accuracy_sweep_test.cpp, degrees:
//             1600-1800 1800-1900 1900-2100 2100-2400 2400-3000 3000-9999
//   Mercury     0.05      0.05      0.05      0.05      0.07       -
//   Venus       0.04      0.04      0.04      0.04      0.05       -
//   Mars        0.08      0.07      0.07      0.14      0.4        -
//   Jupiter     3.5       0.7       0.6       5.5      25          -
//   Saturn      3.2       0.55      0.3       3         9          -
//   Uranus      0.25      0.06      0.15      1.1       2.8        -
//   Neptune    10         2.2       0.35      9        80          -
//   Pluto       8         2         1.8      20        any         -
// "-": not checked, the library has no positions after about 3000 here;
// "any": the position says nothing there. The outer planets' periodic
// corrections are fitted to the years around 1900 and lose hold of the
// great inequalities a few centuries away.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// ComputePlanets: geocentric ecliptic longitudes of Mercury to Pluto and of
// the eight hypothetical points, their retrograde flags, and GZ.
//
// Given:   sky.centuries  T (see ComputeSun)
//          sky.year       the calendar year, for GZ
// Returned:
//          sky.longitudes[6..13]   Mercury to Pluto, geometric geocentric
//                                  longitudes corrected for light-time,
//                                  degrees of the mean equinox of date,
//                                  [0, 360)
//          sky.longitudes[14..21]  Cupido to Poseidon, degrees, [0, 360)
//          sky.longitudes[22]      GZ, the galactic centre, degrees
//          sky.retrograde[2], [6..21]  true while the body moves backwards
//
// Notes:
// 1. Mean orbital elements referred to 1900 (planet_elements.cpp), as
//    quadratic polynomials in T, with Kepler's equation solved per body;
//    the hypothetical points move on circles in the ecliptic. Jupiter to
//    Pluto add periodic corrections to their heliocentric x, y and z in
//    astronomical units (the mutual perturbations of the outer planets).
// 2. Geocentric positions subtract the Earth's heliocentric position from
//    the same table. Light-time is the distance times 0.0057683 days per
//    astronomical unit times the geocentric rate in longitude; a body is
//    retrograde while that rate is negative (the Sun's flag, from the
//    Earth's heliocentric rate, is never set). No nutation or aberration.
// 3. The table is meant for a few centuries around 1900; the accuracy per
//    period heads this file.
// 4. Allocates nothing.
void ComputePlanets(SkyState& sky);

// GZ, the galactic centre: 266.925 degrees in 2003, moving 50 seconds of
// arc per calendar year (the precession of the equinoxes).
double GZLongitude(int year);

}  // namespace sternwerk
