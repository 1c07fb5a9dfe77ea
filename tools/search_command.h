// sternwerk-sky --search: the next rise, set or culmination of a factor, or
// the next full or new moon, from midnight or a time of a date at a place.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "engine/computation_mode.h"
#include "tools/located_sky.h"
#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

// The arguments after "--search": KIND [CODE] DD.MM.YYYY [HH:MM[:SS]]
// [LONGITUDE LATITUDE], or "jetzt" ("now") for the date and time. KIND is
// aufgang, untergang or kulmination with the factor code (required) of the
// 22-factor set, or vollmond or neumond. The scan starts at the time given,
// else at midnight of the date, or at the present. Writes the found date
// and time (Universal Time), the event as the clock names it ("SO-Aufgang",
// "Vollmond") and the longitudes of the factor and of what it meets, then,
// where the place has a time zone (a named place, or typed coordinates
// near an atlas place), the "Ortszeit:" line of the instant found; done,
// or done with kExitNotFound when nothing is found within the bound (said
// on `out`); a bad argument is a usage error naming it.
//
// With `atHorizon` rise, set and culmination are those of an almanac (see
// SearchHorizonEvent) for the Sun, the Moon and Mercury to Pluto: writes the
// found date and time, the event ("SO-Aufgang am Horizont",
// "SO-Meridiandurchgang") and the factor's longitude; kExitNotFound when
// the body neither rises nor sets there (polar day or night), a failure
// with the library's message where it cannot compute the date.
//
// With --place or --local both place lines of the found instant follow
// (PlaceLines); with --local the date and time given are the place's local
// time, the search starting at its local midnight where no time is given.
ToolResult SearchFromArguments(const std::vector<std::string>& args, std::ostream& out,
                               ComputationMode mode = ComputationMode::kOwn, bool atHorizon = false,
                               const PlaceOptions& placeOptions = {});

// The sky where a search starts, from the arguments after its kind (and
// factor): DATE or "jetzt", DATE TIME, each with or without LONGITUDE
// LATITUDE; at the time given, or midnight, of the date in Universal Time,
// or with --local in the place's local time (a skipped midnight is the
// first instant of the day, a skipped time given is refused). The place
// has the zone of a named place or of the atlas place near its coordinates.
// With --saved no arguments: the saved chart's instant and place.
ToolOutcome<LocatedSky> LocateSearchStart(std::span<const std::string> args,
                                          const PlaceOptions& placeOptions);

}  // namespace sternwerk
