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

// The chart's Universal Time to the second, its exact coordinates and
// their texts to the minute ("+008°11'", Windows-1252), and its place's
// name, region, country and zone.
ChartSky SkyOfChart(const Chart& chart);

}  // namespace sternwerk
