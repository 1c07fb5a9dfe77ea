#include "clock/clock_tick.h"

#include <cstdlib>

#include "clock/clock_step.h"

namespace sternwerk {

bool KeepsPace(const ClockSettings& clock) {
  return clock.stepMode == StepMode::kRealTime && std::abs(clock.ticksPerSecond) == 1;
}

bool StepTick(SkyState& sky, const ClockSettings& clock, RealTimePacer& pacer) {
  const SkyState before = sky;
  if (KeepsPace(clock)) {
    const std::int64_t seconds = pacer.TakeWholeSeconds();
    StepSeconds(sky, clock.ticksPerSecond > 0 ? seconds : -seconds);
  } else {
    StepInstant(sky, clock);
    pacer.Restart();
  }
  // Past the calendar's end the four-digit date text no longer holds the
  // year, and a step of several days may read it back as a year far behind.
  const bool forward = clock.ticksPerSecond >= 0;
  const bool turnedBack = forward ? sky.year < before.year : sky.year > before.year;
  if (turnedBack || sky.year < kFirstClockYear || sky.year > kLastClockYear) {
    sky = before;
    return false;
  }
  return true;
}

}  // namespace sternwerk
