// A place's local civil time and Universal Time, each from the other, by
// the rules of its time zone. Where the place has no zone, or the rules do
// not know it, the place's mean time stands in: the one fallback.
#pragma once

#include <string>
#include <vector>

#include "engine/calendar.h"
#include "places/place_identity.h"
#include "places/place_time_rules.h"

namespace sternwerk {

struct LocalTime {
  ClockSeconds reading = 0;  // the local date and time
  CivilOffset offset;
  // Empty, or why the place's mean time stands in for its zone's time
  // (a zone the rules do not know).
  std::string zoneProblem;
};

// The civil time at the place at the instant `universal`.
LocalTime LocalOf(const PlaceTimeRules& rules, const PlaceIdentity& place, double longitude,
                  ClockSeconds universal);

// An instant and the offset under which it has the local reading asked for.
struct UniversalTime {
  ClockSeconds seconds = 0;
  CivilOffset offset;
};

// What a local reading the clocks skipped names: no instant, or the instant
// it names under the offset before the gap. For the gap's first reading
// that is the instant the clocks jumped, where a day begins whose midnight
// was skipped (e.g. Asia/Beirut).
enum class SkippedReading { kNoInstant, kInstantAfter };

struct UniversalTimes {
  // None where the clocks skipped the reading (unless kInstantAfter), two
  // where they passed it twice (the earlier first), else one.
  std::vector<UniversalTime> instants;
  std::string zoneProblem;  // as LocalTime's
};

// The instants whose civil time at the place is the local reading `local`.
UniversalTimes UniversalOf(const PlaceTimeRules& rules, const PlaceIdentity& place,
                           double longitude, ClockSeconds local,
                           SkippedReading skipped = SkippedReading::kNoInstant);

}  // namespace sternwerk
