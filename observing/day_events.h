// Rise, upper transit and set of a body within a local day, as an almanac
// gives them (see engine/horizon_events.h): the upper limb on the
// mathematical horizon with the standard refraction, the centre on the
// upper meridian.
#pragma once

#include <optional>

#include "base/outcome.h"
#include "engine/calendar.h"
#include "observing/observer_place.h"

namespace sternwerk {

struct HorizonDay {
  int factor = 0;
  // Universal Time; none where the event does not fall within the day (the
  // Moon skips a rise or a set about once a month, and a body neither
  // rises nor sets in a polar day or night).
  std::optional<ClockSeconds> rise;
  std::optional<ClockSeconds> transit;
  std::optional<ClockSeconds> set;
  // Neither rise nor set for the whole day, since the body stays above
  // (upAllDay) or below the horizon.
  bool upAllDay = false;
  bool downAllDay = false;
};

// The first event the library finds for its body number `body` from the
// day's start (`event`: SE_CALC_RISE, SE_CALC_SET or SE_CALC_MTRANSIT, with
// a twilight bit for the Sun's centre below the horizon), where it falls
// within the day; none where it does not or the body does not get there.
Outcome<std::optional<ClockSeconds>> LibraryEventInDay(int body, int event, const LocalDay& day,
                                                       const ObserverPlace& place);

// HorizonDayOf: the rise, transit and set of one of kObservedBodies in the
// local day at the place.
//
// Given:   factor  kSun, kMoon, kMercury ... kPluto
//          day     the local day, Universal Time
//          place   the observer (its height is taken as 0 m, as the
//                  almanac's horizon)
// Returned:
//          the events within the day, or the library's message where it
//          cannot compute the date.
Outcome<HorizonDay> HorizonDayOf(int factor, const LocalDay& day, const ObserverPlace& place);

}  // namespace sternwerk
