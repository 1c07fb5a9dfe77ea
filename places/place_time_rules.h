// The rules of civil time that places are read by: the offset of a time
// zone from Universal Time at an instant, and the offsets under which a
// local date and time occurs in it. The system's time-zone data give them
// (SystemPlaceTimeRules), a test rules of its own.
#pragma once

#include <cmath>
#include <functional>
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

inline constexpr int kSecondsPerDegreeOfLongitude = 240;  // 86400 s / 360 degrees

// The place's mean time offset: longitude / 15 hours, to the second.
inline CivilOffset MeanLocalTime(double longitude) {
  return {static_cast<int>(std::lround(longitude * kSecondsPerDegreeOfLongitude)), "", true};
}

struct PlaceTimeRules {
  // The offset of `zone` (an IANA id such as "Europe/Berlin") at the
  // instant `universal`, for a place at `longitude` (degrees, east
  // positive). A zone the rules do not know is a failure saying so.
  std::function<Outcome<CivilOffset>(const std::string& zone, ClockSeconds universal,
                                     double longitude)>
      offsetAt;
  // The offsets under which the local date and time `local` occurs in
  // `zone`: none when the clocks skipped it, two when they passed it twice
  // (the earlier instant first, i.e. the larger offset), else one.
  std::function<Outcome<std::vector<CivilOffset>>(const std::string& zone, ClockSeconds local,
                                                  double longitude)>
      offsetsOfLocalTime;

  // Whether there are rules to read zones by; without them every place
  // keeps its mean time.
  bool ReadsZones() const { return offsetAt && offsetsOfLocalTime; }
};

}  // namespace sternwerk
