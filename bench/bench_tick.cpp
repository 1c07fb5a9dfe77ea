// Cost of one clock tick: stepping, ComputeSky, drawing the dial, the
// clipboard and the position list, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>

#include "platform/recording_messages.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

void BM_Tick(benchmark::State& state, bool allFactors) {
  RecordingMessages messages;
  messages.SetDefaultAnswer(allFactors);
  ComputerClock clock;
  SkyState sky;
  MainWindow form(sky, MainWindowServices{messages, clock, QDir::tempPath().toStdString(), "bench",
                                          QSize(5000, 7100), [] { return true; }, [] {}});
  form.StartUp();
  form.tickTimer->stop();
  form.clockSettings.stepMode = StepMode::kMinutes;
  form.clockSettings.intervalMinutes = 7;  // a fresh instant every tick
  for (auto _ : state) {
    form.Tick();
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
