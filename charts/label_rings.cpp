#include "charts/label_rings.h"

namespace sternwerk {

int LabelRings::LabelsNear(int angle) const {
  return counters_.at(Slot(angle));
}

void LabelRings::Place(int angle) {
  for (int near = angle - kReach; near <= angle + kReach; ++near) ++counters_.at(Slot(near));
}

}  // namespace sternwerk
