#include "clock/clock_step.h"

#include <cmath>
#include <cstdlib>

#include "engine/calendar.h"

namespace sternwerk {
namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kDaysPerMonthStep = 30;
constexpr double kHoursPerDay = 24;
constexpr double kMinutesPerHour = 60;
constexpr double kSecondsPerMinute = 60;
constexpr double kSecondsPerHour = 3600;
constexpr std::uint64_t kSecondsPerDay = 86400;
constexpr int kTimerBase = 955;  // ms; divided by the rate

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

}  // namespace

void StepInstant(SkyState& sky) {
  const bool forward = sky.ticksPerSecond >= 0;
  if (sky.stepDay) {
    StepDays(sky, 1, forward);
  } else if (sky.stepWeek) {
    StepDays(sky, kDaysPerWeek, forward);
  } else if (sky.stepMonth) {
    StepDays(sky, kDaysPerMonthStep, forward);
  } else if (sky.stepYear) {
    StepYear(sky, forward);
  } else if (sky.stepMinutes) {
    StepHours(sky, sky.intervalMinutes / kMinutesPerHour, forward);
  } else if (sky.stepRealTime) {
    StepHours(sky, 1 / kSecondsPerHour, forward);
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

std::string IntervalText(const SkyState& sky) {
  if (sky.stepDay) return "1 Tag";
  if (sky.stepWeek) return "1 Woche";
  if (sky.stepMonth) return "1 Monat";
  if (sky.stepYear) return "1 Jahr";
  if (sky.stepMinutes) return "Min/Takt:" + WholeMinutesText(sky.intervalMinutes);
  if (sky.stepRealTime) return "Sek/Takt:1";
  return {};
}

std::string SpeedText(int ticksPerSecond) {
  return "Takte/Sek:" + std::to_string(std::abs(ticksPerSecond));
}

int TimerInterval(int ticksPerSecond) {
  const int rate = std::abs(ticksPerSecond);
  return kTimerBase / (rate == 0 ? 1 : rate);
}

void SetStepDefaults(SkyState& sky) {
  sky.stepRealTime = true;
  sky.stepMinutes = false;
  sky.stepDay = false;
  sky.stepWeek = false;
  sky.stepMonth = false;
  sky.stepYear = false;
  sky.ticksPerSecond = 1;
  sky.intervalMinutes = 1 / kSecondsPerMinute;
}

}  // namespace sternwerk
