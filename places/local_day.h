// The local day of a place, as the clock needs it: the first instant of the
// local day, from which the day's rise, set and culmination are searched.
// The clock knows no time-zone data: the window hands it the system's
// rules, a test rules of its own.
#pragma once

#include "engine/calendar.h"
#include "places/place_identity.h"
#include "places/place_time_rules.h"

namespace sternwerk {

// Whether the place has a local time of its own by these rules: a time
// zone, and rules to read it.
bool HasLocalTime(const PlaceTimeRules& rules, const PlaceIdentity& place);

// The first instant of the local day at the place in which the instant
// `universal` lies: its local midnight, the earlier one where midnight came
// twice, the first instant after it where the clocks skipped it. Without
// a local time (HasLocalTime), the midnight of the Universal day.
ClockSeconds LocalDayStart(const PlaceTimeRules& rules, const PlaceIdentity& place,
                           double longitude, ClockSeconds universal);

// The first instant of the local day after the one that begins at
// `dayStart` (a LocalDayStart), whatever the length of either day.
ClockSeconds NextLocalDayStart(const PlaceTimeRules& rules, const PlaceIdentity& place,
                               double longitude, ClockSeconds dayStart);

}  // namespace sternwerk
