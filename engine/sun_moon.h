// Apparent longitudes of the Sun and the Moon and the mean lunar node.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// Sun (factor 2) from mean elements, Kepler's equation, planetary and lunar
// perturbations, aberration and nutation; leaves the lunisolar mean elements
// for ComputeMoon. Reads centuries.
void ComputeSun(SkyState& sky);

// Moon (factor 4) from a 71-term series and the mean node (factor 5).
// Must follow ComputeSun for the same instant.
void ComputeMoon(SkyState& sky);

}  // namespace sternwerk
