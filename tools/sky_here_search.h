// sternwerk-sky --search for what the sky from here adds: the next solar
// eclipse seen from the place, the next lunar eclipse, and the civil,
// nautical and astronomical dawn and dusk.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

// Whether the arguments after "--search" begin with one of these kinds, in
// English or German: solar-eclipse (sonnenfinsternis), lunar-eclipse
// (mondfinsternis), civil-dawn (buergerliche-morgendaemmerung),
// civil-dusk (buergerliche-abenddaemmerung), nautical-dawn, nautical-dusk,
// astronomical-dawn, astronomical-dusk (nautische-..., astronomische-...;
// the German words also with umlauts).
bool IsSkyHereSearch(const std::vector<std::string>& args);

// KIND DD.MM.YYYY [HH:MM[:SS]] [LONGITUDE LATITUDE], or "jetzt" for the
// date and time; the search starts at the time given, else at midnight of
// the date (the place's civil midnight with --local).
//
// An eclipse: the first line its maximum (Universal Time, "DD.MM.YYYY
// HH:MM:SS"), the second its kind ("Totale Sonnenfinsternis", in English
// "Total solar eclipse"), then its magnitudes, the eclipsed body's
// altitude at the maximum ("nicht sichtbar" for a lunar eclipse the place
// does not see) and the contacts in the place's civil time and Universal
// Time, with the body's altitude at each. Returns 0; 2 with the library's
// message on standard error past the years it computes.
//
// A dawn or dusk: the first within 24 hours of the start, its instant and
// name; exit status 1 with a message where the Sun does not cross that
// depth then.
//
// The place lines follow as for the other searches. A bad argument is a
// failure naming it.
ToolResult SearchSkyHere(const std::vector<std::string>& args, std::ostream& out,
                         const PlaceOptions& placeOptions);

}  // namespace sternwerk
