// How the clock runs: its rate and what one tick moves the instant by. Owned
// by the clock; the interval dialog chooses the step.
#pragma once

#include <cstdint>

namespace sternwerk {

// What one tick moves the instant by: one second (real time), the typed
// minutes, one day, seven days, thirty days or one year.
enum class StepMode { kRealTime, kMinutes, kDay, kWeek, kMonth, kYear };

struct ClockSettings {
  // Ticks per second, -20..+20 from the slider; negative runs backwards,
  // 0 halts the clock.
  std::int32_t ticksPerSecond = 1;
  StepMode stepMode = StepMode::kRealTime;
  // The step of StepMode::kMinutes, minutes; positive.
  double intervalMinutes = 1.0 / 60.0;
};

// A step chosen in the interval dialog: the mode, and with
// StepMode::kMinutes the minutes typed (positive).
struct StepChoice {
  StepMode mode = StepMode::kRealTime;
  double minutes = 0;
};

}  // namespace sternwerk
