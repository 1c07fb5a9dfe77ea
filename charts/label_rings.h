// The stacked label rings of the dial: labels that fall within three degrees
// of earlier labels of the same group move to the next ring.
#pragma once

#include <array>
#include <cstdint>

namespace sternwerk {

// Counts, per integer screen angle 0..360, the labels placed within three
// degrees of it. Angles are not wrapped: 359 and 1 do not see each other.
class LabelRings {
 public:
  static constexpr int kReach = 3;  // degrees on either side a label claims
  static constexpr int kFirstAngle = 0;
  static constexpr int kLastAngle = 360;

  // The number of labels placed so far that claim `angle` (0..360).
  int LabelsNear(int angle) const;
  // Records a label at `angle`, claiming angle - kReach .. angle + kReach.
  void Place(int angle);

 private:
  static constexpr int kSlots = kLastAngle - kFirstAngle + 2 * kReach + 1;
  static int Slot(int angle) { return angle - kFirstAngle + kReach; }

  std::array<std::uint8_t, kSlots> counters_{};
};

}  // namespace sternwerk
