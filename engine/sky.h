// The full recomputation of the sky state for its instant and place.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// ComputeTime, ComputeAxes, ComputeSun, ComputeMoon, ComputePlanets, in this
// order. Allocates nothing.
void ComputeSky(SkyState& sky);

}  // namespace sternwerk
