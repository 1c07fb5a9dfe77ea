#include "clock/clock_tick.h"

#include <cstdlib>

#include "base/time_units.h"
#include "clock/clock_step.h"
#include "engine/calendar.h"

namespace sternwerk {
namespace {

// Whether the instant lies before 01.01.1600 00:00:00. A long minute step
// back may leave the time of day below 0, so the date alone does not say.
bool BeforeCalendarStart(const SkyState& sky) {
  if (sky.year < kFirstCalendarYear) return true;
  const ClockSeconds dayStart = ClockSecondsOf(sky.day, sky.month, sky.year, 0);
  const ClockSeconds calendarStart = ClockSecondsOf(1, 1, kFirstCalendarYear, 0);
  return double(dayStart - calendarStart) + sky.hours * kSecondsPerHour < 0;
}

}  // namespace

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
  if (forward && (sky.year < before.year || sky.year > kLastCalendarYear)) {
    sky = before;
    return false;
  }
  // The clock's dates begin where those that can be entered do; a step back
  // past that stops there.
  if (BeforeCalendarStart(sky)) {
    SetInstant(sky, 1, 1, kFirstCalendarYear, 0);
    return false;
  }
  return true;
}

}  // namespace sternwerk
