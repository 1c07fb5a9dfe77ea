// Local time for the date/time/place dialog's logic without the system's
// time-zone data: Europe/Berlin UT+1, with summer time UT+2 from 29.03.2026
// 01:00 UT to 25.10.2026 01:00 UT (02:00 to 03:00 local is skipped in March
// and comes twice in October), Australia/Sydney UT+10, any other place its
// mean time (4 minutes a degree).
#pragma once

#include <algorithm>
#include <cmath>

#include "engine/calendar.h"
#include "windows/date_time_place_logic.h"

namespace sternwerk::testing {

inline ClockSeconds FixedOffsetAt(const PlaceIdentity& place, double longitude,
                                  ClockSeconds universal) {
  constexpr ClockSeconds kHour = 3600;
  if (place.timeZone == "Europe/Berlin") {
    const bool summer =
        universal >= ClockSecondsOf(29, 3, 2026, 1) && universal < ClockSecondsOf(25, 10, 2026, 1);
    return summer ? 2 * kHour : kHour;
  }
  if (place.timeZone == "Australia/Sydney") return 10 * kHour;
  return std::lround(longitude * 240);
}

inline LocalTimeRules FixedOffsetRules() {
  return {.localOf =
              [](const PlaceIdentity& place, double longitude, ClockSeconds universal) {
                return ZoneReading{{{universal + FixedOffsetAt(place, longitude, universal), "ZT"}},
                                   {}};
              },
          // Every offset that reads `local` at the instant it names, summer
          // time first.
          .universalOf =
              [](const PlaceIdentity& place, double longitude, ClockSeconds local) {
                ZoneReading reading;
                for (const ClockSeconds offset :
                     {ClockSeconds{7200}, ClockSeconds{3600}, ClockSeconds{36000},
                      ClockSeconds{std::lround(longitude * 240)}}) {
                  const ClockSeconds universal = local - offset;
                  const bool listed = std::any_of(reading.instants.begin(), reading.instants.end(),
                                                  [universal](const ZoneInstant& instant) {
                                                    return instant.seconds == universal;
                                                  });
                  if (!listed && FixedOffsetAt(place, longitude, universal) == offset)
                    reading.instants.push_back({universal, "ZT"});
                }
                return reading;
              }};
}

}  // namespace sternwerk::testing
