// The clock's step per tick in the six step modes, the speed slider's rates
// and timer intervals, and the interval text of each step mode.
#pragma once

#include <cstdint>
#include <string>

#include "clock/clock_settings.h"
#include "engine/sky_state.h"

namespace sternwerk {

inline constexpr int kHaltSliderPosition = 20;   // slider position of rate 0
inline constexpr int kMaxTicksPerSecond = 20;    // rates run from -20 to +20
inline constexpr int kStartTimerInterval = 950;  // ms, the first interval after start-up

// Moves the instant one tick in the clock's step mode, forward when
// ticksPerSecond >= 0, backward otherwise:
//   kDay, kWeek, kMonth: 1, 7 or 30 day steps (NextDay, PreviousDay);
//   kYear: year +/- 1 with day and month kept, dateText rebuilt;
//   kMinutes: hours +/- intervalMinutes / 60;
//   kRealTime: hours +/- one second.
// A time step that leaves 0 <= hours < 24 carries one day, at most once per
// tick, so steps of more than a day let hours grow past 24 (or below 0).
void StepInstant(SkyState& sky, const ClockSettings& clock);

// Moves the time by whole seconds (negative: backward), carrying as many days
// as the time passes through.
void StepSeconds(SkyState& sky, std::int64_t seconds);

// The interval text of the current step mode: "Sek/Takt:1", "Min/Takt:" with
// the whole minutes of intervalMinutes ("Sek/Takt:" with its seconds under a
// minute), "1 Tag", "1 Woche", "1 Monat", "1 Jahr"; in the language shown.
std::string IntervalText(const ClockSettings& clock);

// "Takte/Sek:" followed by the ticks per second without sign.
std::string SpeedText(int ticksPerSecond);

// Timer interval in ms for a rate: 955 div abs(rate). Rate 0 halts the clock
// and has no interval of its own; it gives the interval of rate 1.
int TimerInterval(int ticksPerSecond);

// Slider position 0..40 and rate -20..+20.
inline int RateFromSliderPosition(int position) {
  return position - kHaltSliderPosition;
}
inline int SliderPositionFromRate(int ticksPerSecond) {
  return ticksPerSecond + kHaltSliderPosition;
}

// The step defaults of start-up, real time and reload: real time, one tick
// per second forward, an interval of one second.
void SetStepDefaults(ClockSettings& clock);

}  // namespace sternwerk
