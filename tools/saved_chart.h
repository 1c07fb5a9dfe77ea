// sternwerk-sky --saved NAME: a chart of the collection standing for the
// instant and place of a command.
#pragma once

#include <span>
#include <string>

#include "collection/chart.h"
#include "tools/located_sky.h"
#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

// The chart the options' --saved NAME names (ChartNamed), read from the
// collection of --collection FILE, else from kCollectionFileName in the
// current folder; it stands for the date, time and place, so `args` must
// be empty (else a usage error naming the first). A collection that does
// not exist is not created. No collection, no chart of that name or
// several are refused (kExitNotFound) with a message naming them; so is a
// locked or damaged collection, with its own message.
ToolOutcome<Chart> SavedChart(std::span<const std::string> args, const PlaceOptions& options);

// The zone a chart's times are shown in: StatedZone; for a chart typed in
// Universal Time without a zone, the zone of the atlas place near its
// coordinates, as for coordinates typed (TypedPlaceIdentity); else none,
// the place's mean time.
std::string ChartZone(const Chart& chart);

// The chart's instant (its Universal Time as if typed, to the second) at
// its coordinates, with its place's name, region, country and zone; the
// place lines are written where `shown`.
LocatedSky LocatedChart(const Chart& chart, bool shown);

// The located sky of the saved chart (SavedChart); with --local its place
// lines are written.
ToolOutcome<LocatedSky> LocateSaved(std::span<const std::string> args, const PlaceOptions& options);

}  // namespace sternwerk
