// One input line of sternwerk-sky --tsv: "day month year hours longitude
// latitude", separated by blanks or tabs.
#pragma once

#include <string>

#include "engine/sky_state.h"

namespace sternwerk {

// The sky state, not yet computed, for one input line. The bounds are those
// of the command line's arguments: a real date from 1600 to 9999, decimal
// hours from 0 to 24, longitude -180 to 180 and latitude -90 to 90 degrees.
// A malformed line or a value out of bounds gives false (sky is then
// unchanged).
bool ReadTsvInput(const std::string& line, SkyState& sky);

}  // namespace sternwerk
