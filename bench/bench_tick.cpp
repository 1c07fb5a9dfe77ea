// Cost of one clock tick: stepping, ComputeSky, drawing the dial, the
// clipboard and the position list, on the offscreen platform; and the same
// with the window "Himmel hier" open, showing the sky at every tick (its
// real time moved on by its spacing each time), at a new instant or on a
// new day: what the one tick in a spacing that updates it costs.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QTimerEvent>
#include <chrono>

#include "clock/clock.h"
#include "tests/support/memory_kept_place_store.h"
#include "tests/support/recording_messages.h"
#include "windows/main_window.h"
#include "windows/sky_here_window.h"

namespace sternwerk {
namespace {

enum class SkyHere { kClosed, kEveryTick, kNewDayEveryTick };

void BM_Tick(benchmark::State& state, bool allFactors, SkyHere skyHere = SkyHere::kClosed) {
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
  // Moved on before every tick, so that each finds the spacing passed.
  std::chrono::hours later{0};
  if (skyHere != SkyHere::kClosed) {
    form.findChild<QPushButton*>("skyHereButton")->click();
    form.findChild<SkyHereWindow*>("skyHereWindow")->now = [&later] {
      return std::chrono::steady_clock::now() + later;
    };
    if (skyHere == SkyHere::kNewDayEveryTick) {
      clock.BeginSetting();
      clock.EndInterval(StepChoice{StepMode::kDay, 0});
    }
  }
  for (auto _ : state) {
    ++later;
    QTimerEvent tick(tickTimer->timerId());
    QCoreApplication::sendEvent(tickTimer, &tick);
    QCoreApplication::processEvents();
  }
}

BENCHMARK_CAPTURE(BM_Tick, twelve_factors, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Tick, all_factors, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Tick, sky_here_updated, false, SkyHere::kEveryTick)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Tick, sky_here_new_day, false, SkyHere::kNewDayEveryTick)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sternwerk
