// The label slots of the enlarged chart: each slot covers three integer
// degrees of longitude and counts the labels written on or beside it, so
// that a label near earlier ones moves to the next ring.
#pragma once

#include <array>
#include <cstdint>

namespace sternwerk {

class ChartLabelSlots {
 public:
  static constexpr int kDegreesPerSlot = 3;
  static constexpr int kSlots = 121;  // 0..120; 120 only holds degree 360

  // The slot of an integer degree 0..360.
  static int SlotOf(int degree);

  // The number of labels counted in the slot of `degree`.
  int CountAt(int degree) const;
  // Counts a label at `degree` in its own slot and in both neighbours; the
  // neighbours are left out within two degrees of 0 and 360, so the count
  // never wraps around from 359 to 0.
  void Count(int degree);

 private:
  std::array<std::uint8_t, kSlots> counts_{};
};

}  // namespace sternwerk
