#include "clock/clock_step.h"

#include <cmath>
#include <cstdlib>

#include "base/time_units.h"
#include "base/translation.h"
#include "clock/interval_choice.h"
#include "engine/calendar.h"

namespace sternwerk {
namespace {

constexpr int kDaysPerMonthStep = 30;
constexpr int kTimerBase = 955;  // ms; divided by the rate
constexpr int kSecondDecimals = 3;

void StepDays(SkyState& sky, int days, bool forward) {
  for (int i = 0; i < days; ++i) forward ? NextDay(sky) : PreviousDay(sky);
}

void StepYear(SkyState& sky, bool forward) {
  sky.year += forward ? 1 : -1;
  sky.dateText = DateText(sky.day, sky.month, sky.year);
}

// Adds (forward) or subtracts hours, then carries one day when the time has
// left the day on that side.
void StepHours(SkyState& sky, double hours, bool forward) {
  if (forward) {
    sky.hours += hours;
    if (sky.hours >= kHoursPerDay) {
      NextDay(sky);
      sky.hours -= kHoursPerDay;
    }
  } else {
    sky.hours -= hours;
    if (sky.hours < 0) {
      PreviousDay(sky);
      sky.hours += kHoursPerDay;
    }
  }
}

// Whole minutes of an interval as a decimal text; beyond the range of an
// integer (never set by the program) the text is 0.
std::string WholeMinutesText(double minutes) {
  constexpr double kLimit = 1e18;
  if (!(std::fabs(minutes) < kLimit)) return "0";
  return std::to_string(static_cast<long long>(minutes));
}

// A text of the interval and speed lines in the language shown.
constexpr ContextTexts Said("sternwerk::ClockStep");

// "Sek/Takt:" and the seconds, to the millisecond.
std::string SecondsPerTickText(double seconds) {
  return Said(QT_TRANSLATE_NOOP("sternwerk::ClockStep", "Sek/Takt:")) +
         ShownDecimal(seconds, kSecondDecimals);
}

}  // namespace

void StepInstant(SkyState& sky, const ClockSettings& clock) {
  const bool forward = clock.ticksPerSecond >= 0;
  switch (clock.stepMode) {
    case StepMode::kDay:
      return StepDays(sky, 1, forward);
    case StepMode::kWeek:
      return StepDays(sky, kDaysPerWeek, forward);
    case StepMode::kMonth:
      return StepDays(sky, kDaysPerMonthStep, forward);
    case StepMode::kYear:
      return StepYear(sky, forward);
    case StepMode::kMinutes:
      return StepHours(sky, clock.intervalMinutes / kMinutesPerHour, forward);
    case StepMode::kRealTime:
      return StepHours(sky, 1.0 / kSecondsPerHour, forward);
  }
}

void StepSeconds(SkyState& sky, std::int64_t seconds) {
  const bool forward = seconds >= 0;
  // The magnitude in unsigned arithmetic, which has no overflow.
  const std::uint64_t magnitude =
      forward ? std::uint64_t(seconds) : std::uint64_t(0) - std::uint64_t(seconds);
  for (std::uint64_t day = 0; day < magnitude / kSecondsPerDay; ++day) StepDays(sky, 1, forward);
  StepHours(sky, double(magnitude % kSecondsPerDay) / kSecondsPerHour, forward);
}

std::string IntervalText(const ClockSettings& clock) {
  switch (clock.stepMode) {
    case StepMode::kDay:
      return Said(QT_TRANSLATE_NOOP("sternwerk::ClockStep", "1 Tag"));
    case StepMode::kWeek:
      return Said(QT_TRANSLATE_NOOP("sternwerk::ClockStep", "1 Woche"));
    case StepMode::kMonth:
      return Said(QT_TRANSLATE_NOOP("sternwerk::ClockStep", "1 Monat"));
    case StepMode::kYear:
      return Said(QT_TRANSLATE_NOOP("sternwerk::ClockStep", "1 Jahr"));
    case StepMode::kMinutes:
      if (clock.intervalMinutes < 1)
        return SecondsPerTickText(clock.intervalMinutes * kSecondsPerMinute);
      return Said(QT_TRANSLATE_NOOP("sternwerk::ClockStep", "Min/Takt:")) +
             WholeMinutesText(clock.intervalMinutes);
    case StepMode::kRealTime:
      return SecondsPerTickText(1);
  }
  return {};
}

std::string SpeedText(int ticksPerSecond) {
  return Said(QT_TRANSLATE_NOOP("sternwerk::ClockStep", "Takte/Sek:")) +
         std::to_string(std::abs(ticksPerSecond));
}

int TimerInterval(int ticksPerSecond) {
  const int rate = std::abs(ticksPerSecond);
  return kTimerBase / (rate == 0 ? 1 : rate);
}

void SetStepDefaults(ClockSettings& clock) {
  clock = ClockSettings{};
}

}  // namespace sternwerk
