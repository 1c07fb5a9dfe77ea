// The sky from here: the table a window and sternwerk-sky --observe show
// for an instant and place, with the Moon's phase and the twilights.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "engine/calendar.h"
#include "observing/horizontal_sky.h"
#include "observing/moon_phase.h"
#include "observing/observing_day.h"

namespace sternwerk {

struct SkyHere {
  ClockSeconds instant = 0;
  std::vector<BodyInSky> bodies;  // what is up first (ObserveSky)
  MoonPhase moon;
  ObservingDay day;
};

// SkyHereAt: everything the table shows for an instant (Universal Time)
// within the local day at the place; the library's message where it
// cannot compute the instant. A caller following a running clock passes
// the day it computed before (ObservingDayOf) while the day and place
// stay the same.
Outcome<SkyHere> SkyHereAt(ClockSeconds instant, const LocalDay& day, const ObserverPlace& place);
Outcome<SkyHere> SkyHereAt(ClockSeconds instant, ObservingDay day, const ObserverPlace& place);

// How the table writes the instant of an event: "HH:MM" in the place's
// civil time, or whatever clock the caller shows.
using EventClock = std::function<std::string(ClockSeconds)>;

// The table as text (UTF-8, in the language shown).
struct SkyHereTable {
  std::vector<std::string> header;             // the columns' titles
  std::vector<std::vector<std::string>> rows;  // one a body, what is up first
  // The Moon's phase, the six dawns and dusks ("keine" where the Sun does
  // not go that deep), where the values come from.
  std::vector<std::string> notes;
};
SkyHereTable SkyHereTableOf(const SkyHere& sky, const EventClock& clock);

// The table's header and rows in columns padded to their widest cell, then
// its notes: the text form that is printed, copied and written by the tool.
std::vector<std::string> SkyHereLines(const SkyHereTable& table);

}  // namespace sternwerk
