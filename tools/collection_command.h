// sternwerk-sky and the chart collection: --save-chart, --charts, --import
// and --export on the collection in the current folder, or in the file
// "--collection FILE" names (a place option, see TakePlaceOptions).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

// Whether the arguments are a command on the collection: one of its
// commands first.
bool IsCollectionCommand(const std::vector<std::string>& args);

// Runs the command (arguments IsCollectionCommand accepts) on the
// collection of --collection FILE, else kCollectionFileName; with --saved
// NAME, --save-chart NEW saves a copy of that chart's instant and place.
// Its lines on `out`, problems and refusals on standard
// error with their exit status (1: records skipped, nothing matched, or
// the collection refused the change; nothing was lost). A failure names a
// bad argument.
ToolResult RunCollectionCommand(std::vector<std::string> args, const PlaceOptions& place,
                                std::ostream& out);

}  // namespace sternwerk
