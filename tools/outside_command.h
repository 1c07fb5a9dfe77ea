// sternwerk-sky --outside: the outside view of an instant and place as a
// picture file, drawn without a window.
#pragma once

#include <string>
#include <vector>

#include "engine/computation_mode.h"
#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

// The arguments after "--outside": FILE DD.MM.YYYY HH:MM[:SS] [LONGITUDE
// LATITUDE], with the options --all (all 22 factors) and --no-symbols (draw
// as if the symbol font were missing) anywhere after FILE; FILE ends in
// .wmf, .svg or .png.
ToolResult WriteOutsideViewFile(const std::vector<std::string>& args, char* programPath,
                                ComputationMode mode = ComputationMode::kOwn,
                                const PlaceOptions& place = {});

}  // namespace sternwerk
