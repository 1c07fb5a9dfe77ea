// Geocentric longitudes of Mercury to Pluto and the hypothetical points,
// their retrograde flags, and the point GZ.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// Reads centuries and year; writes longitudes[6..22], retrograde[2] and
// retrograde[6..21].
void ComputePlanets(SkyState& sky);

// GZ: 266.925 degrees in 2003, moving 50 seconds of arc per calendar year.
double GZLongitude(int year);

}  // namespace sternwerk
