// Counts the whole seconds that pass on the system clock between the ticks of
// a real-time clock, so that a timer that fires slightly more often than once
// a second still keeps pace with the system clock.
#pragma once

#include <chrono>
#include <cstdint>

#include "clock/system_clock.h"

namespace sternwerk {

class RealTimePacer {
 public:
  // Starts counting at the clock's present. The clock must outlive the pacer.
  explicit RealTimePacer(const SystemClock& clock);

  // Counts from the present again, forgetting the time since the last count:
  // for the start of the clock, continuing after a halt and changes of rate.
  void Restart();

  // The whole seconds since the last count (or restart); the fraction of a
  // second is carried to the next count. 0, and a restart, when the system
  // clock has been set back.
  std::int64_t TakeWholeSeconds();

 private:
  const SystemClock& clock_;
  std::chrono::system_clock::time_point countedUntil_;
};

}  // namespace sternwerk
