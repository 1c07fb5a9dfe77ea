#include "clock/clock_tick.h"

#include <cstdlib>

#include "clock/clock_step.h"

namespace sternwerk {

bool KeepsPace(const SkyState& sky) {
  return sky.stepRealTime && std::abs(sky.ticksPerSecond) == 1;
}

bool StepTick(SkyState& sky, RealTimePacer& pacer) {
  const SkyState before = sky;
  if (KeepsPace(sky)) {
    const std::int64_t seconds = pacer.TakeWholeSeconds();
    StepSeconds(sky, sky.ticksPerSecond > 0 ? seconds : -seconds);
  } else {
    StepInstant(sky);
    pacer.Restart();
  }
  // Past the calendar's end the four-digit date text no longer holds the
  // year, and a step of several days may read it back as a year far behind.
  const bool forward = sky.ticksPerSecond >= 0;
  const bool turnedBack = forward ? sky.year < before.year : sky.year > before.year;
  if (turnedBack || sky.year < kFirstClockYear || sky.year > kLastClockYear) {
    sky = before;
    return false;
  }
  return true;
}

}  // namespace sternwerk
