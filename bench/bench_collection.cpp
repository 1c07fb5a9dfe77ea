// The chart collection with 10,000 charts: the search as the user types a
// name, place or year, the load of the whole collection, and one save.
#include <benchmark/benchmark.h>

#include "bench/many_charts.h"
#include "collection/chart_search.h"
#include "collection/chart_store.h"
#include "tests/support/temporary_directory.h"

namespace sternwerk {
namespace {

// One keystroke: the filter over all charts for what is typed so far.
void BM_SearchAsTyped(benchmark::State& state, std::string typed) {
  const ChartFilter filter(ManyCharts());
  const std::string sofar = typed.substr(0, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(filter.Matching(sofar));
  state.SetLabel(sofar);
}
BENCHMARK_CAPTURE(BM_SearchAsTyped, name, std::string("Müller-Lüdenscheidt 4711"))
    ->Arg(1)
    ->Arg(3)
    ->Arg(8)
    ->Arg(25)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchAsTyped, place_and_year, std::string("äugsburg 1983"))
    ->Arg(2)
    ->Arg(13)
    ->Unit(benchmark::kMicrosecond);

// The folding of every chart once, as the window does after a load.
void BM_FilterOfCollection(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ChartFilter(ManyCharts()));
}
BENCHMARK(BM_FilterOfCollection)->Unit(benchmark::kMillisecond);

void BM_LoadCollection(benchmark::State& state) {
  const testing::TemporaryDirectory directory;
  const std::filesystem::path file = directory.path() / kCollectionFileName;
  {
    Outcome<ChartStore> store = ChartStore::Open(file);
    if (!store.ok() || !ChartStore(std::move(store).value()).AddAll(ManyCharts()).ok())
      state.SkipWithError("no collection");
  }
  for (auto _ : state) {
    const Outcome<ChartStore> store = ChartStore::Open(file);
    benchmark::DoNotOptimize(store.value().All());
  }
}
BENCHMARK(BM_LoadCollection)->Unit(benchmark::kMillisecond);

// One chart saved in its own transaction, synced to the disk.
void BM_SaveChart(benchmark::State& state) {
  const testing::TemporaryDirectory directory;
  Outcome<ChartStore> opened = ChartStore::Open(directory.path() / kCollectionFileName);
  ChartStore store = std::move(opened).value();
  for (auto _ : state) benchmark::DoNotOptimize(store.Add(ManyCharts().front()));
}
BENCHMARK(BM_SaveChart)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sternwerk

BENCHMARK_MAIN();
