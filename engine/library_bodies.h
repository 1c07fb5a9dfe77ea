// The Swiss Ephemeris's body numbers for the factors it computes.
#pragma once

#include <optional>

namespace sternwerk {

// The library's body number (SE_SUN, SE_MOON, SE_MEAN_NODE, SE_MERCURY ...
// SE_PLUTO) of a factor, or none for the axes, the Aries point, the
// hypothetical points and GZ.
std::optional<int> LibraryBody(int factor);

}  // namespace sternwerk
