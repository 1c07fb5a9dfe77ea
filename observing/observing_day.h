// What an observer's local day holds: the rise, transit and set of every
// observed body, and the dawns and dusks. It changes only with the day or
// the place, so a window following a running clock computes it once a day.
#pragma once

#include <vector>

#include "base/outcome.h"
#include "observing/day_events.h"
#include "observing/observer_place.h"
#include "observing/twilight.h"

namespace sternwerk {

struct ObservingDay {
  LocalDay day;
  std::vector<HorizonDay> bodies;  // in the order of kObservedBodies
  DayTwilights twilights;
};

// The day's events at the place, or the library's message.
Outcome<ObservingDay> ObservingDayOf(const LocalDay& day, const ObserverPlace& place);

// The events of one body of the day; the day must hold it.
const HorizonDay& HorizonDayOfBody(const ObservingDay& day, int factor);

}  // namespace sternwerk
