#include "charts/position_list_text.h"

#include "engine/factors.h"
#include "engine/position_list.h"

namespace sternwerk {

namespace {

const char* HeadingSource(ComputationUsed computation) {
  switch (computation) {
    case ComputationUsed::kOwn:
      return kPositionListHeading;
    case ComputationUsed::kEphemerisFiles:
    case ComputationUsed::kAnalyticalTheory:
      return kPreciseListHeading;
    case ComputationUsed::kOwnAfterFailure:
      return kFallbackListHeading;
  }
  return kPositionListHeading;
}

}  // namespace

std::string PositionListHeading(ComputationUsed computation) {
  return Translated("sternwerk::PositionList", HeadingSource(computation));
}

std::vector<std::string> PositionListLines(const SkyState& sky, const DisplayOptions& options) {
  std::vector<std::string> lines = {PositionListHeading(options.computation)};
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    if (InFactorSet(factor, options.transplutonian)) {
      lines.push_back(PositionListLine(factor, sky.longitudes[factor]));
    }
  }
  return lines;
}

}  // namespace sternwerk
