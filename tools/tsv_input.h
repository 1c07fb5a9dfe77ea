// One input line of sternwerk-sky --tsv: "day month year hours longitude
// latitude", separated by blanks or tabs.
#pragma once

#include <string>
#include <string_view>

#include "base/outcome.h"
#include "engine/sky_state.h"

namespace sternwerk {

// False for the lines that carry no values: empty or blank lines and
// comments, whose first character other than a blank is "#".
bool HasTsvValues(std::string_view line);

// The sky state, not yet computed, for one input line. The bounds are those
// of the command line's arguments: a real date of the calendar's years,
// hours from 0 to 24 as decimals or as HH:MM[:SS], longitude -180 to 180 and
// latitude -90 to 90 degrees (decimal, or degrees and minutes as ParseAngle
// reads them); decimals take a point or a comma. A malformed line or a value out
// of bounds is a failure naming the field and its value.
Outcome<SkyState> ReadTsvInput(const std::string& line);

}  // namespace sternwerk
