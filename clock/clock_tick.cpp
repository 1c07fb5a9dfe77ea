#include "clock/clock_tick.h"

#include <cstdlib>

#include "clock/clock_step.h"

namespace sternwerk {

bool KeepsPace(const SkyState& sky) {
  return sky.stepRealTime && std::abs(sky.ticksPerSecond) == 1;
}

void StepTick(SkyState& sky, RealTimePacer& pacer) {
  if (KeepsPace(sky)) {
    const std::int64_t seconds = pacer.TakeWholeSeconds();
    StepSeconds(sky, sky.ticksPerSecond > 0 ? seconds : -seconds);
  } else {
    StepInstant(sky);
    pacer.Restart();
  }
}

}  // namespace sternwerk
