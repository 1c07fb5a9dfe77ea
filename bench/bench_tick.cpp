// Cost of one clock tick: stepping, ComputeSky, drawing the dial, the
// clipboard and the position list, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QTimerEvent>

#include "clock/clock.h"
#include "tests/support/memory_kept_place_store.h"
#include "tests/support/recording_messages.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

void BM_Tick(benchmark::State& state, bool allFactors) {
  RecordingMessages messages;
  messages.SetDefaultAnswer(allFactors);
  ComputerClock computerClock;
  testing::MemoryKeptPlaceStore keptPlaces;
  const PlaceAtlas noPlaces({});
  Clock clock(computerClock, QDir::tempPath().toStdString(), keptPlaces, noPlaces);
  MainWindow form(
      clock, MainWindowServices{messages, "bench", QSize(5000, 7100), [] { return true; }, [] {}},
      SecondaryWindows{});
  form.StartUp();
  // The ticks come from here: each is the timer's timeout, without waiting
  // for its interval.
  QTimer* tickTimer = form.findChild<QTimer*>("tickTimer");
  clock.BeginSetting();
  clock.EndInterval(StepChoice{StepMode::kMinutes, 7});  // a fresh instant every tick
  for (auto _ : state) {
    QTimerEvent tick(tickTimer->timerId());
    QCoreApplication::sendEvent(tickTimer, &tick);
    QCoreApplication::processEvents();
  }
}

BENCHMARK_CAPTURE(BM_Tick, twelve_factors, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Tick, all_factors, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sternwerk

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
