// Local sidereal time and the chart axes MC and AS.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// Writes ramc (radians), the MC (factor 0), the Aries point (factor 1, always
// 0) and the Ascendent (factor 3) from centuries, hours, the place and the
// obliquity left by ComputeTime.
void ComputeAxes(SkyState& sky);

}  // namespace sternwerk
