// Local time for the date/time/place dialog's logic without the system's
// time-zone data: Europe/Berlin UT+1, with summer time UT+2 from 29.03.2026
// 01:00 UT to 25.10.2026 01:00 UT (02:00 to 03:00 local is skipped in March
// and comes twice in October), Australia/Sydney UT+10, any other place its
// mean time (4 minutes a degree).
#pragma once

#include <cmath>
#include <vector>

#include "engine/calendar.h"
#include "windows/date_time_place_logic.h"

namespace sternwerk::testing {

// The offsets a place has, summer time first.
inline std::vector<ClockSeconds> OffsetsOf(const PlaceIdentity& place, double longitude) {
  if (place.timeZone == "Europe/Berlin") return {7200, 3600};
  if (place.timeZone == "Australia/Sydney") return {36000};
  return {std::lround(longitude * 240)};
}

inline ClockSeconds FixedOffsetAt(const PlaceIdentity& place, double longitude,
                                  ClockSeconds universal) {
  const std::vector<ClockSeconds> offsets = OffsetsOf(place, longitude);
  const bool summer =
      universal >= ClockSecondsOf(29, 3, 2026, 1) && universal < ClockSecondsOf(25, 10, 2026, 1);
  return summer ? offsets.front() : offsets.back();
}

inline LocalTimeRules FixedOffsetRules() {
  return {.localOf =
              [](const PlaceIdentity& place, double longitude, ClockSeconds universal) {
                return ZoneReading{{{universal + FixedOffsetAt(place, longitude, universal), "ZT"}},
                                   {}};
              },
          .universalOf =
              [](const PlaceIdentity& place, double longitude, ClockSeconds local) {
                ZoneReading reading;
                for (const ClockSeconds offset : OffsetsOf(place, longitude)) {
                  if (FixedOffsetAt(place, longitude, local - offset) == offset)
                    reading.instants.push_back({local - offset, "ZT"});
                }
                return reading;
              }};
}

}  // namespace sternwerk::testing
