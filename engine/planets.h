// Geocentric longitudes of Mercury to Pluto and the hypothetical points,
// their retrograde flags, and the point GZ.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// ComputePlanets: geocentric ecliptic longitudes of Mercury to Pluto and of
// the eight hypothetical points, their retrograde flags, and GZ.
//
// Given:   sky.centuries  T (see ComputeSun)
//          sky.year       the calendar year, for GZ
// Returned:
//          sky.longitudes[6..13]   Mercury to Pluto, degrees, [0, 360)
//          sky.longitudes[14..21]  Cupido to Poseidon, degrees, [0, 360)
//          sky.longitudes[22]      GZ, degrees
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
// 3. Against a modern ephemeris over 1900-2100: up to 0.34 degrees for
//    Jupiter, 0.28 for Neptune and 1.46 for Pluto; the inner planets are
//    better. The table is meant for a few centuries around 1900.
// 4. Allocates nothing.
void ComputePlanets(SkyState& sky);

// GZ: 266.925 degrees in 2003, moving 50 seconds of arc per calendar year.
double GZLongitude(int year);

}  // namespace sternwerk
