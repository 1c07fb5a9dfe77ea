// sternwerk-sky --ephemeris: a table of the observed bodies at a run of
// instants, ready for a spreadsheet.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

// The arguments after "--ephemeris": INSTANT [--until INSTANT] [--step
// MINUTES] [LONGITUDE LATITUDE], INSTANT as DD.MM.YYYY HH:MM[:SS] or
// "jetzt", --until and --step anywhere after the first instant; with
// --local both instants are the place's civil time. Without --until one
// instant; the step is 60 minutes unless given (at least a second). With
// --saved the saved chart's instant and place stand for the first INSTANT
// and the place.
//
// Writes one header line, then a line for each instant from the first up
// to --until inclusive and each of the Sun, the Moon and Mercury to Pluto,
// tab-separated, with a decimal point whatever the language:
//   utc          YYYY-MM-DD HH:MM:SS
//   local        the place's civil time and zone abbreviation; empty
//                where the place has no zone
//   body         the factor's code in the language shown (SO, MO, ...)
//   longitude latitude   ecliptic, geocentric apparent, degrees
//   ra           right ascension, hours; dec: declination, degrees
//   altitude azimuth     topocentric, refracted, degrees from north
//                        through east
//   distance     astronomical units; magnitude; illuminated 0 to 1
// Fails with the library's message where it cannot compute an instant
// (after the lines before it); a bad argument is a usage error naming it.
ToolResult EphemerisFromArguments(const std::vector<std::string>& args, std::ostream& out,
                                  const PlaceOptions& placeOptions);

}  // namespace sternwerk
