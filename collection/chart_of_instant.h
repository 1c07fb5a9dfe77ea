// The chart of an instant at a place: the date and time typed as they are
// read there, the place's local civil time or Universal Time. The tool's
// --save-chart and the charts window both build their charts so.
#pragma once

#include <string>

#include "collection/chart.h"
#include "engine/calendar.h"
#include "places/place_identity.h"
#include "places/place_time_rules.h"

namespace sternwerk {

// Where the instant stands: its coordinates (degrees, east and north
// positive) and the name and zone it was chosen by.
struct InstantPlace {
  double longitude = 0;
  double latitude = 0;
  PlaceIdentity identity;
};

// The chart named `name` of the instant `universal` at `place`. With
// `local` the typed date and time are the place's civil time by `rules`
// (its zone's time, or its mean time where it has no zone the rules know),
// with the zone's short name; else they are Universal Time, named "UT".
Chart ChartOfInstant(std::string name, ClockSeconds universal, const InstantPlace& place,
                     const PlaceTimeRules& rules, bool local);

}  // namespace sternwerk
