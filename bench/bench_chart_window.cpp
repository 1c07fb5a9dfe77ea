// The "Horoskope" window over 10,000 charts: one keystroke in its search
// field, as the user meets it — the list filtered, its model reset and the
// window painted — on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench/many_charts.h"
#include "collection/chart_store.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temporary_directory.h"
#include "windows/chart_collection_window.h"

namespace sternwerk {
namespace {

// Each iteration types the next character of `typed`, and begins again
// after its last.
void BM_KeystrokeInWindow(benchmark::State& state, std::string typed) {
  const testing::TemporaryDirectory directory;
  Outcome<ChartStore> store = ChartStore::Open(directory.path() / kCollectionFileName);
  if (!store.ok() || !ChartStore(std::move(store).value()).AddAll(ManyCharts()).ok()) {
    state.SkipWithError("the collection could not be written");
    return;
  }
  RecordingMessages messages;
  ChartCollectionWindow window(messages, directory.path());
  window.Prepare(Chart{});
  window.show();
  QImage canvas(window.size(), QImage::Format_ARGB32);
  const QString text = QString::fromStdString(typed);
  int length = 0;
  for (auto _ : state) {
    length = length % static_cast<int>(text.size()) + 1;
    window.searchEdit->setText(text.left(length));
    QPainter painter(&canvas);
    window.render(&painter);
  }
  state.SetLabel(std::to_string(ManyCharts().size()) + " charts");
}
BENCHMARK_CAPTURE(BM_KeystrokeInWindow, name, std::string("Müller-Lüdenscheidt 4711"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KeystrokeInWindow, place_and_year, std::string("äugsburg 1983"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sternwerk
