// The dialog logic's local-time rules from the system's time-zone data.
#pragma once

#include "windows/date_time_place_logic.h"

namespace sternwerk {

// Local readings and their Universal Times by the place's zone, or by the
// place's mean time where it has no zone or the zone is unknown here (then
// with the reason as the zone problem).
LocalTimeRules DateTimePlaceTimeRules();

}  // namespace sternwerk
