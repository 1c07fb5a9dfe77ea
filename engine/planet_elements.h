// The constant table of planetary elements, read front to back by
// ComputePlanets.
#pragma once

#include <array>

namespace sternwerk {

inline constexpr int kPlanetElementCount = 521;

extern const std::array<double, kPlanetElementCount> kPlanetElements;

}  // namespace sternwerk
