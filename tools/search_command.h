// sternwerk-sky --search: the next rise, set or culmination of a factor, or
// the next full or new moon, from midnight of a date at a place.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "engine/computation_mode.h"
#include "tools/place_options.h"

namespace sternwerk {

// The arguments after "--search": KIND [CODE] DD.MM.YYYY [LONGITUDE
// LATITUDE]. KIND is aufgang, untergang or kulmination with the factor code
// (required) of the 22-factor set, or vollmond or neumond. Writes the found
// date and time (Universal Time), the event as the clock names it
// ("SO-Aufgang", "Vollmond") and the longitudes of the factor and of what it
// meets; returns 0, or 1 when nothing is found within the bound; a bad
// argument is a failure naming it.
//
// With `atHorizon` rise, set and culmination are those of an almanac (see
// SearchHorizonEvent) for the Sun, the Moon and Mercury to Pluto: writes the
// found date and time, the event ("SO-Aufgang am Horizont",
// "SO-Meridiandurchgang") and the factor's longitude; returns 1 when the
// body neither rises nor sets there (polar day or night), 2 with the
// library's message where it cannot compute the date.
//
// With --place or --local the place lines of the found instant follow
// (PlaceLines); with --local the search starts at the place's local
// midnight of the date instead of 00:00 Universal Time.
Outcome<int> SearchFromArguments(const std::vector<std::string>& args, std::ostream& out,
                                 ComputationMode mode = ComputationMode::kOwn,
                                 bool atHorizon = false, const PlaceOptions& placeOptions = {});

}  // namespace sternwerk
