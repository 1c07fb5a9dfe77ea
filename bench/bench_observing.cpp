// Cost of the sky from here: a year of daily ephemeris lines for the ten
// bodies, the window's update (the bodies and the Moon's phase at an
// instant) and its day (rise, transit, set and twilight), and the eclipse
// searches.
#include <benchmark/benchmark.h>

#include "engine/calendar.h"
#include "observing/horizontal_sky.h"
#include "observing/lunar_eclipse.h"
#include "observing/moon_phase.h"
#include "observing/observing_day.h"
#include "observing/solar_eclipse.h"

namespace sternwerk {
namespace {

constexpr ObserverPlace kMunich{11.58, 48.14, 0};
constexpr ClockSeconds kSecondsPerDay = 86400;

void BM_YearOfDailyEphemeris(benchmark::State& state) {
  const ClockSeconds start = ClockSecondsOf(1, 1, 2027, 0);
  for (auto _ : state) {
    for (int day = 0; day < 365; ++day) {
      for (const int factor : kObservedBodies) {
        Outcome<BodyInSky> body = ObserveBody(factor, start + day * kSecondsPerDay, kMunich);
        benchmark::DoNotOptimize(body);
      }
    }
  }
}
BENCHMARK(BM_YearOfDailyEphemeris)->Unit(benchmark::kMillisecond);

void BM_WindowUpdate(benchmark::State& state) {
  ClockSeconds instant = ClockSecondsOf(21, 6, 2026, 20);
  for (auto _ : state) {
    Outcome<std::vector<BodyInSky>> bodies = ObserveSky(instant, kMunich);
    Outcome<MoonPhase> moon = MoonPhaseAt(instant);
    benchmark::DoNotOptimize(bodies);
    benchmark::DoNotOptimize(moon);
    instant += 60;
  }
}
BENCHMARK(BM_WindowUpdate)->Unit(benchmark::kMicrosecond);

void BM_ObservingDay(benchmark::State& state) {
  const ClockSeconds midnight = ClockSecondsOf(20, 6, 2026, 22);
  for (auto _ : state) {
    Outcome<ObservingDay> day = ObservingDayOf({midnight, midnight + kSecondsPerDay}, kMunich);
    benchmark::DoNotOptimize(day);
  }
}
BENCHMARK(BM_ObservingDay)->Unit(benchmark::kMillisecond);

// From the start of 2026: the solar search passes over eclipses Munich
// does not see, up to 12 August 2026.
void BM_NextSolarEclipse(benchmark::State& state) {
  for (auto _ : state) {
    Outcome<LocalSolarEclipse> eclipse = NextSolarEclipse(ClockSecondsOf(1, 1, 2026, 0), kMunich);
    benchmark::DoNotOptimize(eclipse);
  }
}
BENCHMARK(BM_NextSolarEclipse)->Unit(benchmark::kMillisecond);

void BM_NextLunarEclipse(benchmark::State& state) {
  for (auto _ : state) {
    Outcome<LunarEclipse> eclipse = NextLunarEclipse(ClockSecondsOf(1, 1, 2026, 0), kMunich);
    benchmark::DoNotOptimize(eclipse);
  }
}
BENCHMARK(BM_NextLunarEclipse)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sternwerk

BENCHMARK_MAIN();
