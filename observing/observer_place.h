// Where the sky is observed from, and the instants and days it is
// observed at.
#pragma once

#include "engine/calendar.h"

namespace sternwerk {

// A place on the Earth's surface: degrees, east and north positive; the
// height above sea level in metres.
struct ObserverPlace {
  double longitude = 0;
  double latitude = 0;
  double heightMetres = 0;
};

// The local civil day at a place in Universal Time: from its first instant
// (local midnight, as places/local_day finds it) up to the first instant
// of the next day, which is not part of it. 86400 s long but where the
// clocks change.
struct LocalDay {
  ClockSeconds start = 0;
  ClockSeconds end = 0;
};

}  // namespace sternwerk
