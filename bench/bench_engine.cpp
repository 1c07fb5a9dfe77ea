// Cost of one full recomputation of the sky and of each of its steps.
#include <benchmark/benchmark.h>

#include "engine/axes.h"
#include "engine/calendar.h"
#include "engine/planets.h"
#include "engine/sky.h"
#include "engine/sun_moon.h"

namespace sternwerk {
namespace {

SkyState BenchSky() {
  SkyState sky;
  sky.day = 7;
  sky.month = 12;
  sky.year = 2026;
  sky.dateText = DateText(7, 12, 2026);
  sky.hours = 13.5;
  ComputeSky(sky);
  return sky;
}

// Each iteration moves the instant by a second, as the clock and the
// searches do, so no result is reused.
template <void (*Step)(SkyState&)>
void BM_Step(benchmark::State& state) {
  SkyState sky = BenchSky();
  for (auto _ : state) {
    sky.hours += 1.0 / 3600;
    Step(sky);
    benchmark::DoNotOptimize(sky.longitudes.data());
  }
}

void ComputeSunOnly(SkyState& sky) {
  benchmark::DoNotOptimize(ComputeSun(sky));
}

// The Moon's own cost, from the Sun's elements of one instant (its work does
// not depend on their values).
void BM_ComputeMoon(benchmark::State& state) {
  SkyState sky = BenchSky();
  const LunisolarElements mean = ComputeSun(sky);
  for (auto _ : state) {
    ComputeMoon(sky, mean);
    benchmark::DoNotOptimize(sky.longitudes.data());
  }
}

BENCHMARK(BM_Step<ComputeSky>)->Name("ComputeSky");
BENCHMARK(BM_Step<ComputeTime>)->Name("ComputeTime");
BENCHMARK(BM_Step<ComputeAxes>)->Name("ComputeAxes");
BENCHMARK(BM_Step<ComputeSunOnly>)->Name("ComputeSun");
BENCHMARK(BM_ComputeMoon)->Name("ComputeMoon");
BENCHMARK(BM_Step<ComputePlanets>)->Name("ComputePlanets");

}  // namespace
}  // namespace sternwerk

BENCHMARK_MAIN();
