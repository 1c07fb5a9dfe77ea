// Cost of a precise sky next to the library's own calls for the same
// bodies and axes, with the ephemeris files (argument 1) and with the
// library's analytical theory (argument 0, an empty ephemeris folder).
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <filesystem>

#include "engine/calendar.h"
#include "engine/precise_sky.h"
#include "engine/sky.h"

namespace sternwerk {
namespace {

constexpr char kEphemerisFolder[] = "/usr/share/libswe/ephe";
constexpr std::array<int, 11> kBodies = {SE_SUN,    SE_MOON,    SE_MEAN_NODE, SE_MERCURY,
                                         SE_VENUS,  SE_MARS,    SE_JUPITER,   SE_SATURN,
                                         SE_URANUS, SE_NEPTUNE, SE_PLUTO};

void ChooseEphemeris(const benchmark::State& state) {
  if (state.range(0) != 0) {
    SetEphemerisPath(kEphemerisFolder);
    return;
  }
  const auto empty = std::filesystem::temp_directory_path() / "sternwerk-no-ephemeris";
  std::filesystem::create_directories(empty);
  SetEphemerisPath(empty.string());
}

SkyState BenchSky() {
  SkyState sky;
  SetInstant(sky, 7, 12, 2026, 13.5);
  return sky;
}

// Each iteration moves the instant by a second, so no result is reused.
void BM_PreciseSky(benchmark::State& state) {
  ChooseEphemeris(state);
  SkyState sky = BenchSky();
  for (auto _ : state) {
    sky.hours += 1.0 / 3600;
    benchmark::DoNotOptimize(ComputeSky(sky, ComputationMode::kPrecise));
    benchmark::DoNotOptimize(sky.longitudes.data());
  }
  SetEphemerisPath(kEphemerisFolder);
}

void BM_LibraryAlone(benchmark::State& state) {
  ChooseEphemeris(state);
  double jd = swe_julday(2026, 12, 7, 13.5, SE_GREG_CAL);
  std::array<double, 6> position{};
  std::array<double, 13> cusps{};
  std::array<double, 10> ascmc{};
  for (auto _ : state) {
    jd += 1.0 / 86400;
    for (const int body : kBodies) {
      swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_SPEED, position.data(), nullptr);
      benchmark::DoNotOptimize(position.data());
    }
    swe_houses_ex(jd, 0, 50.0, 10.0, 'E', cusps.data(), ascmc.data());
    benchmark::DoNotOptimize(ascmc.data());
  }
  SetEphemerisPath(kEphemerisFolder);
}

BENCHMARK(BM_LibraryAlone)->Name("LibraryAlone")->Arg(1)->Arg(0);
BENCHMARK(BM_PreciseSky)->Name("PreciseSky")->Arg(1)->Arg(0);

}  // namespace
}  // namespace sternwerk

BENCHMARK_MAIN();
