// Positions from the Swiss Ephemeris: apparent geocentric ecliptic
// longitudes referred to the true equinox of date.
#pragma once

#include <string>

#include "base/outcome.h"
#include "engine/computation_mode.h"
#include "engine/sky.h"
#include "engine/sky_state.h"

namespace sternwerk {

// ComputePreciseSky: the sky state of its instant and place, precise.
//
// Given:   the instant (Universal Time) and the place of the sky state
// Returned:
//          every entry as ComputeSky sets it; then the Sun, the Moon, the
//          mean lunar node, Mercury to Pluto, MC and AS from the library,
//          ramc and obliquity from the apparent sidereal time and the true
//          obliquity; retrograde of Mercury to Pluto where the library's
//          longitude speed is negative. The library's Delta T is applied.
//          Returns what was used.
//
// Notes:
// 1. The Aries point, the hypothetical points and GZ keep the own values.
// 2. Any library error leaves the whole sky as the own computation made it
//    and returns kOwnAfterFailure with the library's error text.
SkyComputation ComputePreciseSky(SkyState& sky);

// The part of the precise sky a search difference needs: the axes (MC, AS,
// ramc, obliquity) when `axes`, the longitude of `factor` where the library
// computes it, and the Sun's when `withSun`. Expects ComputeTime to have
// run. A library error is a failure with the library's text; what could not
// be computed is left untouched.
Status ComputePreciseParts(SkyState& sky, bool axes, int factor, bool withSun);

// Where the library looks for its ephemeris files; an empty folder makes it
// use its analytical theory. Without a call: the library's default path.
void SetEphemerisPath(const std::string& folder);

}  // namespace sternwerk
