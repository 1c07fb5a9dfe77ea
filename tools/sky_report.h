// The texts sternwerk-sky writes for one instant and place.
#pragma once

#include <string>
#include <vector>

#include "base/outcome.h"
#include "engine/computation_mode.h"
#include "engine/sky.h"
#include "engine/sky_state.h"

namespace sternwerk {

// A sky state for a date, decimal hours and place (east and north positive).
SkyState SkyFor(int day, int month, int year, double hours, double longitude, double latitude);

// The arguments of an instant and place, DD.MM.YYYY HH:MM[:SS] or "jetzt"
// ("now") followed by LONGITUDE LATITUDE or nothing: how many the instant
// takes, and a failure where there are not as many as that.
std::size_t InstantArgumentCount(const std::vector<std::string>& args);
Status CheckInstantAndPlaceCount(const std::vector<std::string>& args);

// A sky state, not yet computed, from the arguments DD.MM.YYYY HH:MM[:SS]
// or "jetzt" [LONGITUDE LATITUDE] (decimal degrees, east and north
// positive; 10 and 50 when left out), or a failure naming a bad argument.
Outcome<SkyState> SkyForArguments(const std::vector<std::string>& args);

// Date line, time line, place line, a line naming the computation unless it
// is the own one, and the position list of factors 0..22, as Windows-1252
// texts; the sky must be computed.
std::vector<std::string> SkyReport(const SkyState& sky,
                                   ComputationUsed computation = ComputationUsed::kOwn);

// Where the precise mode fell back to the own computation, tells the
// library's reason on the error output ("sternwerk-sky: Swiss Ephemeris:
// REASON; es gilt die eigene Berechnung"); otherwise nothing.
void ReportFallback(const SkyComputation& computation);

// The header line of --tsv --header, naming TsvLine's columns: "T", "RAMC",
// the codes of factors 0..22 and "retrograd", tab-separated.
std::string TsvHeader();

// One tab-separated line: T, ramc, longitudes 0..22 with nine decimals, then
// the retrograde flags of factors 2 and 6..21 as 0 and 1.
std::string TsvLine(const SkyState& sky);

}  // namespace sternwerk
