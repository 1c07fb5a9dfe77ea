// The civil time of a place: the offset of its time zone from Universal
// Time at an instant, from the system's time-zone data (tzdata, history
// included), and the Universal Time of a local date and time.
#pragma once

#include <string>
#include <vector>

#include "base/outcome.h"
#include "engine/calendar.h"

namespace sternwerk {

struct CivilOffset {
  int seconds = 0;           // local time = Universal Time + seconds
  std::string abbreviation;  // the zone's, e.g. "CET", "CEST", "PMT"
  // The place's own mean time, longitude / 15 hours: where the zone had no
  // standard time yet (tzdata's "LMT", which is that of the zone's main
  // city), and for a place without a known zone.
  bool meanLocalTime = false;
};

// The place's mean time offset: longitude / 15 hours, to the second.
CivilOffset MeanLocalTime(double longitude);

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

}  // namespace sternwerk
