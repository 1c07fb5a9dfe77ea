// A stored chart's instant and place as the clock takes them: the sky's
// Universal date and time and its coordinates with their texts, and the
// name and zone of the place.
#pragma once

#include "collection/chart.h"
#include "engine/sky_state.h"
#include "places/place_identity.h"

namespace sternwerk {

struct ChartSky {
  SkyState sky;  // the instant and the place with their texts; nothing computed
  PlaceIdentity place;
};

// The zone a chart's times are shown in: its place's IANA zone; else, for
// a time typed in a zone's civil time (an imported chart may state only
// the offset), that offset as a fixed zone ("UTC+01:00", "UTC+00:53:28");
// else none.
std::string StatedZone(const Chart& chart);

// The chart's Universal Time to the second, its exact coordinates and
// their texts to the minute ("+008°11'", Windows-1252), and its place's
// name, region, country and zone (StatedZone).
ChartSky SkyOfChart(const Chart& chart);

}  // namespace sternwerk
