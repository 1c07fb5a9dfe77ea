// The civil time of the clock's place as the clock needs it: the local
// reading of an instant, which the instant panel shows first where the
// user asks for it, and the first instant of the local day, from which the
// day's rise, set and culmination are searched. The clock knows no
// time-zone data: the window hands it the rules it reads from the system,
// a test a fixed offset.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "places/place_identity.h"

namespace sternwerk {

// A local date and time and the short name of its zone ("MEZ", "MOZ" for
// the place's mean time; Windows-1252).
struct ZonedReading {
  ClockSeconds reading = 0;
  std::string zoneText;
};

struct PlaceTimeRules {
  // The local reading at the place of the instant `universal`: its zone's,
  // or the place's mean time where the zone had no standard time yet or is
  // unknown here.
  std::function<ZonedReading(const PlaceIdentity& place, double longitude, ClockSeconds universal)>
      localOf;
  // The instants whose local reading at the place is `local`: none where
  // the clocks skipped it, two where they passed it twice (the earlier
  // first), else one.
  std::function<std::vector<ClockSeconds>(const PlaceIdentity& place, double longitude,
                                          ClockSeconds local)>
      universalOf;
};

// Whether the place has a local time of its own by these rules: a time
// zone, and rules to read it.
bool HasLocalTime(const PlaceTimeRules& rules, const PlaceIdentity& place);

// The first instant of the local day at the place in which the instant
// `universal` lies: its local midnight, the earlier one where midnight came
// twice, the first instant after it where the clocks skipped it. Without
// a local time (HasLocalTime), the midnight of the Universal day.
ClockSeconds LocalDayStart(const PlaceTimeRules& rules, const PlaceIdentity& place,
                           double longitude, ClockSeconds universal);

}  // namespace sternwerk
