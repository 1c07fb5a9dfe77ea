// The clock's rules for the civil time of places, from the system's
// time-zone data: the rules the date/time/place dialog reads local times
// by.
#pragma once

#include "places/local_day.h"

namespace sternwerk {

PlaceTimeRules SystemPlaceTimeRules();

}  // namespace sternwerk
