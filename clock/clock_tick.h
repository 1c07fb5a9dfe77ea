// The step of the instant at one tick of the clock's timer.
#pragma once

#include "clock/clock_settings.h"
#include "clock/real_time_pacer.h"
#include "engine/sky_state.h"

namespace sternwerk {

// Whether the clock follows the system clock: real time at rate +1 or -1.
bool KeepsPace(const ClockSettings& clock);

// Moves the instant for one tick. When the clock keeps pace it moves by the
// whole seconds the pacer counted since the previous tick (forward at rate
// +1, backward at -1), so most ticks step one second and some none; in every
// other mode and rate it takes one StepInstant and restarts the pacer, so that
// a change into real time does not jump by the time spent in the other mode.
// The clock stays in its calendar, 01.01.1600 00:00:00 to 31.12.9999: a step
// past its end is not taken (the instant stays as it was), a step back past
// its start stops at 01.01.1600 00:00:00; either way the result is false.
bool StepTick(SkyState& sky, const ClockSettings& clock, RealTimePacer& pacer);

}  // namespace sternwerk
