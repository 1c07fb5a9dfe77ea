// The place search over the whole GeoNames atlas, keystroke by keystroke as
// a user types a name, and the atlas's load at start.
#include <benchmark/benchmark.h>

#include <string>

#include "places/qt/geonames_atlas.h"

namespace sternwerk {
namespace {

constexpr std::size_t kShownMatches = 20;

const PlaceAtlas& Atlas() {
  static const PlaceAtlas atlas(LoadGeoNamesAtlas().places);
  return atlas;
}

// One keystroke: the search for what is typed so far.
void BM_FindAsTyped(benchmark::State& state, std::string name) {
  const PlaceAtlas& atlas = Atlas();
  const std::string typed = name.substr(0, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(atlas.Find(typed, kShownMatches));
  state.SetLabel(typed);
}
BENCHMARK_CAPTURE(BM_FindAsTyped, muenchen, std::string("Muenchen"))->DenseRange(1, 8);
BENCHMARK_CAPTURE(BM_FindAsTyped, san, std::string("San Francisco"))->DenseRange(1, 3);
// A name found by a later word of it (Lutherstadt Wittenberg).
BENCHMARK_CAPTURE(BM_FindAsTyped, wittenberg, std::string("Wittenberg"))->Arg(1)->Arg(4)->Arg(10);

void BM_LoadAtlas(benchmark::State& state) {
  for (auto _ : state) {
    const PlaceAtlas atlas(LoadGeoNamesAtlas().places);
    benchmark::DoNotOptimize(atlas.size());
  }
}
BENCHMARK(BM_LoadAtlas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sternwerk

BENCHMARK_MAIN();
