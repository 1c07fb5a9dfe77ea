// sternwerk-sky --observe: the sky from here as text, the table the
// window "Himmel hier" shows.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

// The arguments after "--observe": DD.MM.YYYY HH:MM[:SS] or "jetzt",
// then LONGITUDE LATITUDE or nothing. Writes the instant (Universal Time,
// "DD.MM.YYYY HH:MM:SS"), the place lines where --place or --local ask
// for them, the clock of the table's times (the place's civil time where
// it has a zone, else Universal Time), then the table, the Moon's phase
// and the dawns and dusks of the local day. Fails with the library's
// message where it cannot compute the instant; a bad argument is a usage
// error naming it.
ToolResult ObserveFromArguments(const std::vector<std::string>& args, std::ostream& out,
                                const PlaceOptions& placeOptions);

}  // namespace sternwerk
