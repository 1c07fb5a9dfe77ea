// The full recomputation of the sky state for its instant and place.
#pragma once

#include <string>

#include "engine/computation_mode.h"
#include "engine/sky_state.h"

namespace sternwerk {

// ComputeSky: every position of the sky state for its instant and place.
//
// Given:   the instant (day, month, year, hours; Universal Time) and the
//          place (longitude, latitude; degrees, east and north positive)
// Returned:
//          centuries, negativeObliquity, ramc and every longitudes[] and
//          retrograde[] entry
//
// Notes:
// 1. Runs ComputeTime, ComputeAxes, ComputeSun, ComputeMoon and
//    ComputePlanets in this order; each later step reads what the earlier
//    ones wrote.
// 2. Allocates nothing (a test counts allocations).
void ComputeSky(SkyState& sky);

// What a computation of the whole sky used and, when the precise mode fell
// back to the own computation, the library's reason (its own text, English).
struct SkyComputation {
  ComputationUsed used = ComputationUsed::kOwn;
  std::string fallbackReason;  // empty unless used is kOwnAfterFailure
};

// The sky in the chosen mode, the one entry point for everyone computing a
// whole sky; returns what was used (see ComputePreciseSky).
SkyComputation ComputeSky(SkyState& sky, ComputationMode mode);

}  // namespace sternwerk
