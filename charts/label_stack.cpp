#include "charts/label_stack.h"

#include <algorithm>

namespace sternwerk {

LabelStack::LabelStack(int last, int cellWidth, int reach)
    : last_(last),
      cellWidth_(cellWidth),
      reach_(reach),
      counts_(static_cast<std::size_t>(last / cellWidth + 1), 0) {}

std::size_t LabelStack::Cell(int position) const {
  return static_cast<std::size_t>(std::clamp(position, 0, last_) / cellWidth_);
}

int LabelStack::LabelsAt(int position) const {
  return counts_[Cell(position)];
}

void LabelStack::Place(int position) {
  const int centre = std::clamp(position, 0, last_);
  for (int near = centre - reach_; near <= centre + reach_; near += cellWidth_) {
    if (near >= 0 && near <= last_) ++counts_[Cell(near)];
  }
}

}  // namespace sternwerk
