#include "charts/chart_label_slots.h"

#include <algorithm>

namespace sternwerk {

namespace {
constexpr int kLastDegreeWithNextSlot = 357;
constexpr int kFirstDegreeWithPreviousSlot = 3;
}  // namespace

int ChartLabelSlots::SlotOf(int degree) {
  return std::clamp(degree / kDegreesPerSlot, 0, kSlots - 1);
}

int ChartLabelSlots::CountAt(int degree) const {
  return counts_[static_cast<std::size_t>(SlotOf(degree))];
}

void ChartLabelSlots::Count(int degree) {
  const int slot = SlotOf(degree);
  ++counts_[static_cast<std::size_t>(slot)];
  if (degree <= kLastDegreeWithNextSlot) ++counts_[static_cast<std::size_t>(slot + 1)];
  if (degree >= kFirstDegreeWithPreviousSlot) ++counts_[static_cast<std::size_t>(slot - 1)];
}

}  // namespace sternwerk
