// Local time for the date/time/place dialog's logic without the system's
// time-zone data: Europe/Berlin UT+1, with summer time UT+2 from 29.03.2026
// 01:00 UT to 25.10.2026 01:00 UT (02:00 to 03:00 local is skipped in March
// and comes twice in October), Australia/Sydney UT+10, any other zone and a
// place without one its mean time (4 minutes a degree).
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "places/place_identity.h"
#include "places/place_time_rules.h"

namespace sternwerk::testing {

// The offsets of a zone, summer time first.
inline std::vector<int> OffsetsOf(const std::string& zone, double longitude) {
  if (zone == "Europe/Berlin") return {7200, 3600};
  if (zone == "Australia/Sydney") return {36000};
  return {MeanLocalTime(longitude).seconds};
}

inline int FixedOffsetAt(const std::string& zone, double longitude, ClockSeconds universal) {
  const std::vector<int> offsets = OffsetsOf(zone, longitude);
  const bool summer =
      universal >= ClockSecondsOf(29, 3, 2026, 1) && universal < ClockSecondsOf(25, 10, 2026, 1);
  return summer ? offsets.front() : offsets.back();
}

inline int FixedOffsetAt(const PlaceIdentity& place, double longitude, ClockSeconds universal) {
  return FixedOffsetAt(place.timeZone, longitude, universal);
}

inline PlaceTimeRules FixedOffsetRules() {
  return {
      .offsetAt =
          [](const std::string& zone, ClockSeconds universal, double longitude) {
            return Outcome<CivilOffset>::Success({FixedOffsetAt(zone, longitude, universal), "ZT"});
          },
      .offsetsOfLocalTime =
          [](const std::string& zone, ClockSeconds local, double longitude) {
            std::vector<CivilOffset> offsets;
            for (const int offset : OffsetsOf(zone, longitude)) {
              if (FixedOffsetAt(zone, longitude, local - offset) == offset)
                offsets.push_back({offset, "ZT"});
            }
            return Outcome<std::vector<CivilOffset>>::Success(std::move(offsets));
          }};
}

}  // namespace sternwerk::testing
