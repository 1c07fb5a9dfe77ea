// The lines of the position list beside the dial.
#pragma once

#include <string>
#include <vector>

#include "engine/display_options.h"
#include "engine/sky_state.h"

namespace sternwerk {

inline constexpr const char* kPositionListHeading = " Die Planeten-Positionen:";

// The heading, naming the computation unless it is the own one.
std::string PositionListHeading(ComputationUsed computation);

// The heading, then one line per factor of the sky's factor set in ascending
// order (Windows-1252).
std::vector<std::string> PositionListLines(const SkyState& sky, const DisplayOptions& options);

}  // namespace sternwerk
