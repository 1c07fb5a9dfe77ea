// sternwerk-sky --search: the next rise, set or culmination of a factor, or
// the next full or new moon, from midnight of a date at a place.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "engine/computation_mode.h"

namespace sternwerk {

// The arguments after "--search": KIND [CODE] DD.MM.YYYY [LONGITUDE
// LATITUDE]. KIND is aufgang, untergang or kulmination with a factor code of
// the 22-factor set, or vollmond or neumond. Writes the found date and time
// and the longitudes of the factor and of what it meets; returns 0, or 1
// when nothing is found within the bound; a bad argument is a failure
// naming it.
Outcome<int> SearchFromArguments(const std::vector<std::string>& args, std::ostream& out,
                                 ComputationMode mode = ComputationMode::kOwn);

}  // namespace sternwerk
