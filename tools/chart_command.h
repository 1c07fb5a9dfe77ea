// sternwerk-sky --chart: the enlarged chart of an instant and place as a
// picture file, or as the printed page in a PDF, drawn without a window.
#pragma once

#include <string>
#include <vector>

#include "engine/computation_mode.h"
#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

// The arguments after "--chart": FILE DD.MM.YYYY HH:MM[:SS] [LONGITUDE
// LATITUDE], with the options --all (all 22 factors) and --no-symbols (draw
// as if the symbol font were missing) anywhere after FILE. FILE ends in
// .wmf, .svg, .png (the chart) or .pdf (the chart with its header and
// position list, as printed).
ToolResult WriteChartFile(const std::vector<std::string>& args, char* programPath,
                          ComputationMode mode = ComputationMode::kOwn,
                          const PlaceOptions& place = {});

}  // namespace sternwerk
