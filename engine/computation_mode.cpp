#include "engine/computation_mode.h"

namespace sternwerk {

std::string_view ComputationName(ComputationUsed used) {
  switch (used) {
    case ComputationUsed::kOwn:
      return "eigene";
    case ComputationUsed::kEphemerisFiles:
      return "genau";
    case ComputationUsed::kAnalyticalTheory:
      return "genau, analytisch";
    case ComputationUsed::kOwnAfterFailure:
      return "eigene statt genau";
  }
  return {};
}

}  // namespace sternwerk
