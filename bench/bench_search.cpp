// Cost of the event searches: whole searches of each kind, and one day
// scanned to its end without a result, beside the same day scanned by
// recomputing the whole sky at every second.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/calendar.h"
#include "engine/event_search.h"
#include "engine/sky.h"

namespace sternwerk {
namespace {

SkyState StartSky(int day, int month, int year, double latitude) {
  SkyState sky;
  SetInstant(sky, day, month, year, 0);
  sky.longitude = 10;
  sky.latitude = latitude;
  return sky;
}

// Days from the start date to the date found, plus the day found.
int DaysScanned(const SkyState& start, const SkyState& found) {
  return static_cast<int>(JulianDayNumber(found.day, found.month, found.year) -
                          JulianDayNumber(start.day, start.month, start.year)) +
         1;
}

ComputationMode ModeArg(std::int64_t precise) {
  return precise != 0 ? ComputationMode::kPrecise : ComputationMode::kOwn;
}

// Args: event kind, factor, latitude, precise (0 or 1).
void BM_Search(benchmark::State& state) {
  const auto kind = static_cast<EventKind>(state.range(0));
  const int factor = static_cast<int>(state.range(1));
  const SkyState start = StartSky(8, 12, 2026, static_cast<double>(state.range(2)));
  const ComputationMode mode = ModeArg(state.range(3));
  int days = 0;
  for (auto _ : state) {
    SkyState sky = start;
    if (SearchEvent(sky, kind, factor, {}, std::nullopt, mode) != SearchStatus::kFound) {
      state.SkipWithError("not found");
    }
    days = DaysScanned(start, sky);
    benchmark::DoNotOptimize(sky.hours);
  }
  state.counters["days"] = days;
  state.counters["per_day"] = benchmark::Counter(
      days, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

constexpr int kRise = static_cast<int>(EventKind::kRise);
constexpr int kSet = static_cast<int>(EventKind::kSet);
constexpr int kCulmination = static_cast<int>(EventKind::kCulmination);
constexpr int kFullMoon = static_cast<int>(EventKind::kFullMoon);
constexpr int kNewMoon = static_cast<int>(EventKind::kNewMoon);

void SearchCases(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"kind", "factor", "latitude", "precise"});
  for (const std::int64_t precise : {0, 1}) {
    bench->Args({kRise, kSun, 50, precise})
        ->Args({kRise, kMoon, 60, precise})
        ->Args({kRise, kJupiter, 60, precise})
        ->Args({kSet, kMoon, 60, precise})
        ->Args({kSet, kPoseidon, -60, precise})
        ->Args({kCulmination, kSun, 50, precise})
        ->Args({kCulmination, kMoon, 50, precise})
        ->Args({kCulmination, kMercury, 50, precise})
        ->Args({kFullMoon, kMoon, 50, precise})
        ->Args({kNewMoon, kMoon, 50, precise});
  }
}
BENCHMARK(BM_Search)->Apply(SearchCases)->Unit(benchmark::kMillisecond);

// The first date from 2026 on without a Moon rise within the tolerance at
// 60 degrees north: its scan runs through all 86,400 seconds.
SkyState DayWithoutMoonRise() {
  SkyState sky = StartSky(1, 1, 2026, 60);
  for (;; NextDay(sky)) {
    SkyState probe = sky;
    if (SearchEvent(probe, EventKind::kRise, kMoon, {}, 1) == SearchStatus::kNotFound) return sky;
  }
}

// Arg: precise (0 or 1).
void BM_ScanOneDay(benchmark::State& state) {
  const SkyState start = DayWithoutMoonRise();
  const ComputationMode mode = ModeArg(state.range(0));
  for (auto _ : state) {
    SkyState sky = start;
    benchmark::DoNotOptimize(SearchEvent(sky, EventKind::kRise, kMoon, {}, 1, mode));
  }
}
BENCHMARK(BM_ScanOneDay)->ArgName("precise")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same day, every second with the whole sky recomputed.
void BM_PlainScanOneDay(benchmark::State& state) {
  const SkyState start = DayWithoutMoonRise();
  for (auto _ : state) {
    SkyState sky = start;
    int matches = 0;
    for (int step = 0; step < 86400; ++step) {
      sky.hours = step / 3600.0;
      ComputeSky(sky);
      if (std::fabs(sky.longitudes[kAscendant] - sky.longitudes[kMoon]) < kAxisTolerance) {
        ++matches;
      }
    }
    benchmark::DoNotOptimize(matches);
  }
}
BENCHMARK(BM_PlainScanOneDay)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace sternwerk

BENCHMARK_MAIN();
