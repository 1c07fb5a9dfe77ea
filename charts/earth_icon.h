// The program's icon: the Earth seen from above its north pole.
#pragma once

#include "engine/factors.h"
#include "platform/picture.h"

namespace sternwerk {

inline constexpr int kEarthIconSize = 32;  // pixels, square

// A cyan disc with a white centre (the pole) and a dark arrow turning
// counterclockwise around it, as the Earth turns seen from the north. The
// corners outside the disc are transparent.
Image EarthIcon();

// The icon composited onto the opaque colour it stands on, with no
// see-through pixel left: metafile readers and printers that drop or
// rasterise transparency show it as the screen does.
Image EarthIconOn(Rgb ground);

// EarthIconOn(white), the ground of the dial's and the chart's inner circle;
// computed once.
const Image& EarthIconOnWhite();

}  // namespace sternwerk
