#include "clock/real_time_pacer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "clock/clock_tick.h"
#include "engine/calendar.h"
#include "tests/support/fake_system_clock.h"

namespace sternwerk {
namespace {

using namespace std::chrono_literals;
using testing::FakeSystemClock;
using testing::UtcTime;

constexpr auto kTimerInterval = 955ms;

// The instant of the sky state in seconds on one continuous scale.
double InstantSeconds(const SkyState& sky) {
  return JulianDayNumber(sky.day, sky.month, sky.year) * 86400 + sky.hours * 3600;
}

double ClockSeconds(const SystemClock& clock) {
  SkyState sky;
  SetInstantFromClock(sky, clock);
  const auto fraction = clock.Now() - std::chrono::floor<std::chrono::seconds>(clock.Now());
  return InstantSeconds(sky) + std::chrono::duration<double>(fraction).count();
}

// A real-time clock at the given rate, started from the fake clock's present.
struct RunningClock {
  explicit RunningClock(int ticksPerSecond, std::chrono::system_clock::time_point start =
                                                UtcTime(2026, 12, 31, 23, 30, 0) + 400ms)
      : systemClock(start), pacer(systemClock) {
    SetInstantFromClock(sky, systemClock);
    settings.ticksPerSecond = ticksPerSecond;
  }
  // Lets the timer fire once after `interval` and returns the step in seconds.
  double Tick(std::chrono::milliseconds interval = kTimerInterval) {
    const double before = InstantSeconds(sky);
    systemClock.Advance(interval);
    StepTick(sky, settings, pacer);
    return InstantSeconds(sky) - before;
  }

  FakeSystemClock systemClock;
  RealTimePacer pacer;
  SkyState sky;
  ClockSettings settings;
};

TEST(RealTimePacer, CountsWholeSecondsAndCarriesTheFraction) {
  FakeSystemClock clock(UtcTime(2026, 12, 7, 14, 5, 9));
  RealTimePacer pacer(clock);
  clock.Advance(955ms);
  EXPECT_EQ(pacer.TakeWholeSeconds(), 0);
  clock.Advance(955ms);
  EXPECT_EQ(pacer.TakeWholeSeconds(), 1);
  clock.Advance(3500ms);
  EXPECT_EQ(pacer.TakeWholeSeconds(), 4);  // 5.41 s counted in all, 0.41 s carried
  clock.Advance(590ms);
  EXPECT_EQ(pacer.TakeWholeSeconds(), 1);
}

TEST(RealTimePacer, ASystemClockSetBackCountsNothing) {
  FakeSystemClock clock(UtcTime(2026, 12, 7, 14, 5, 9));
  RealTimePacer pacer(clock);
  clock.Advance(-1h);
  EXPECT_EQ(pacer.TakeWholeSeconds(), 0);
  clock.Advance(1s);
  EXPECT_EQ(pacer.TakeWholeSeconds(), 1);
}

TEST(StepTick, RealTimeKeepsPaceWithTheSystemClockForAnHour) {
  for (const int rate : {1, -1}) {
    RunningClock clock(rate);
    const double skyStart = InstantSeconds(clock.sky);
    const double systemStart = ClockSeconds(clock.systemClock);
    int idleTicks = 0;
    int ticks = 0;
    for (; clock.systemClock.Now() < UtcTime(2027, 1, 1, 0, 30, 0); ++ticks) {
      const double step = clock.Tick();
      ASSERT_NEAR(std::fabs(step), step == 0 ? 0 : 1, 1e-4) << "tick " << ticks;
      if (step == 0) ++idleTicks;
      const double ran = (InstantSeconds(clock.sky) - skyStart) * rate;
      ASSERT_NEAR(ran, ClockSeconds(clock.systemClock) - systemStart, 1.0) << "tick " << ticks;
    }
    // 955 ms ticks: one tick in about 22 steps nothing.
    EXPECT_NEAR(idleTicks, ticks * 0.045, 5) << "rate " << rate;
  }
}

TEST(StepTick, AHaltDoesNotMakeTheNextTickJump) {
  RunningClock clock(1);
  clock.Tick();
  const double halted = InstantSeconds(clock.sky);
  clock.systemClock.Advance(5min);
  clock.pacer.Restart();  // continue
  clock.Tick();
  EXPECT_LE(InstantSeconds(clock.sky) - halted, 1.0001);
}

TEST(StepTick, OtherRatesAndModesStepOnceEachTick) {
  RunningClock fast(2);
  EXPECT_NEAR(fast.Tick(3s), 1, 1e-4);  // one second per tick whatever the time between

  RunningClock minutes(1);
  minutes.settings.stepMode = StepMode::kMinutes;
  minutes.settings.intervalMinutes = 5;
  EXPECT_NEAR(minutes.Tick(), 300, 1e-4);
}

TEST(StepTick, ChangingIntoRealTimeDoesNotJump) {
  RunningClock clock(5);
  for (int tick = 0; tick < 100; ++tick) clock.Tick(191ms);
  clock.settings.ticksPerSecond = 1;
  EXPECT_LE(clock.Tick(), 1.0001);
}

}  // namespace
}  // namespace sternwerk
