#include "dial/position_list_text.h"

#include "engine/factors.h"
#include "engine/position_list.h"

namespace sternwerk {

std::vector<std::string> PositionListLines(const SkyState& sky, const DisplayOptions& options) {
  std::vector<std::string> lines = {kPositionListHeading};
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    if (InFactorSet(factor, options.transplutonian)) {
      lines.push_back(PositionListLine(factor, sky.longitudes[factor]));
    }
  }
  return lines;
}

}  // namespace sternwerk
