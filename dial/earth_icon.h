// The program's icon: the Earth seen from above its north pole.
#pragma once

#include "platform/picture.h"

namespace sternwerk {

inline constexpr int kEarthIconSize = 32;  // pixels, square

// A cyan disc with a white centre (the pole) and a dark arrow turning
// counterclockwise around it, as the Earth turns seen from the north. The
// corners outside the disc are transparent.
Image EarthIcon();

}  // namespace sternwerk
