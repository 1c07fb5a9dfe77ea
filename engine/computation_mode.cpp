#include "engine/computation_mode.h"

namespace sternwerk {

std::string_view ComputationName(ComputationUsed used) {
  switch (used) {
    case ComputationUsed::kOwn:
      return "eigene Berechnung";
    case ComputationUsed::kEphemerisFiles:
      return "genau";
    case ComputationUsed::kAnalyticalTheory:
      return "genau, analytische Theorie";
    case ComputationUsed::kOwnAfterFailure:
      return "eigene Berechnung, genaue nicht berechenbar";
  }
  return {};
}

}  // namespace sternwerk
