// The full recomputation of the sky state for its instant and place.
#pragma once

#include "engine/computation_mode.h"
#include "engine/sky_state.h"

namespace sternwerk {

// ComputeSky: every position of the sky state for its instant and place.
//
// Given:   the instant (day, month, year, hours; Universal Time) and the
//          place (longitude, latitude; degrees, east and north positive)
// Returned:
//          centuries, obliquity, ramc and every longitudes[] and
//          retrograde[] entry
//
// Notes:
// 1. Runs ComputeTime, ComputeAxes, ComputeSun, ComputeMoon and
//    ComputePlanets in this order; each later step reads what the earlier
//    ones wrote.
// 2. Allocates nothing (a test counts allocations).
void ComputeSky(SkyState& sky);

// The sky in the chosen mode, the one entry point for everyone computing a
// whole sky; returns what was used (see ComputePreciseSky).
ComputationUsed ComputeSky(SkyState& sky, ComputationMode mode);

}  // namespace sternwerk
