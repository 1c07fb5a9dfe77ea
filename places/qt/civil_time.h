// The civil time of a place from the system's time-zone data (tzdata,
// history included): the offset of its time zone from Universal Time at an
// instant, and the offsets under which a local date and time occurs.
#pragma once

#include <string>
#include <vector>

#include "base/outcome.h"
#include "engine/calendar.h"
#include "places/place_time_rules.h"

namespace sternwerk {

// The offset of `zone` (an IANA id such as "Europe/Berlin") at the instant
// `universal`, for a place at `longitude` (degrees, east positive). A zone
// the system's data do not know is a failure saying so.
Outcome<CivilOffset> OffsetAt(const std::string& zone, ClockSeconds universal, double longitude);

// The offsets under which the local date and time `local` occurs in `zone`:
// none when the clocks skipped it (the hour lost when summer time begins),
// two when they passed it twice (the hour repeated in autumn; the earlier
// instant first, i.e. the larger offset), else one. Universal Time is
// `local` - offset.seconds. A zone the data do not know is a failure.
Outcome<std::vector<CivilOffset>> OffsetsOfLocalTime(const std::string& zone, ClockSeconds local,
                                                     double longitude);

// The rules of this machine's time-zone data: OffsetAt and
// OffsetsOfLocalTime.
PlaceTimeRules SystemPlaceTimeRules();

}  // namespace sternwerk
