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
// LATITUDE], with the options --all (all 22 factors), --no-symbols (draw
// as if the symbol font were missing), --houses LETTER and --aspects (the
// cusps and the aspect lines over the chart, with the default orbs)
// anywhere after FILE. FILE ends in .wmf, .svg, .png (the chart) or .pdf
// (the chart with its header and position list, as printed, and the
// aspect list on the pages after it).
ToolResult WriteChartFile(std::vector<std::string> args, char* programPath,
                          ComputationMode mode = ComputationMode::kOwn,
                          const PlaceOptions& place = {});

}  // namespace sternwerk
