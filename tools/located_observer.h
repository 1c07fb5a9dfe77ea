// The observer of a located sky: the place's coordinates, its local day,
// and how the observing commands write its instants.
#pragma once

#include <string>

#include "engine/calendar.h"
#include "observing/observer_place.h"
#include "tools/located_sky.h"

namespace sternwerk {

ObserverPlace ObserverOf(const LocatedSky& located);

// The local civil day in which `instant` lies at the located place; the
// Universal day where the place has no time zone.
LocalDay LocalDayAround(const LocatedSky& located, ClockSeconds instant);

// "HH:MM" of an instant, to the nearest minute: the place's civil time,
// or Universal Time where it has no zone.
std::string EventClockText(const LocatedSky& located, ClockSeconds instant);

// The line naming the clock of EventClockText: "Zeiten: Ortszeit (MESZ)"
// or "Zeiten: Weltzeit (UT)" (UTF-8).
std::string EventClockLine(const LocatedSky& located, ClockSeconds instant);

// "DD.MM.YYYY HH:MM:SS" of an instant in Universal Time, and the same in
// the place's civil time followed by its zone's abbreviation ("MESZ"),
// empty where the place has no zone.
std::string UniversalText(ClockSeconds instant);
std::string ZonedText(const LocatedSky& located, ClockSeconds instant);

}  // namespace sternwerk
