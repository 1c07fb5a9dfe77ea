// The one written form of a factor or midpoint on the 90-degree dial, as
// the lists of the tool and of the dial show it: "SO/MO 12°34'".
#pragma once

#include <string>

#include "astrology/midpoints.h"

namespace sternwerk {

// Degrees and whole minutes, "12°34'" (Windows-1252), truncated as the
// position list's full form truncates, so that a sorted list stays sorted
// in print; `width` digits of degrees, a minus sign before a negative angle.
std::string DegreesAndMinutes(int width, double degrees);

// The codes as shown, "SO/MO", or "SO" for a factor alone.
std::string MidpointName(const Midpoint& midpoint);

// The name and the place on the dial, "SO/MO 12°34'" (Windows-1252).
std::string MidpointText(const Midpoint& midpoint);

}  // namespace sternwerk
