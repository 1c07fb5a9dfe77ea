// Cost of writing a dial-sized picture as a placeable metafile and of
// reading it back, in memory and through a file.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <numbers>

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/faces.h"
#include "platform/wmf_writer.h"
#include "tests/support/wmf_reader.h"

namespace sternwerk {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// About a hundred operations on 520 x 520, as the main dial records them:
// background, circles, sign lines and labels, ticks, the icon, and for each of 22
// factors a line and a turned label.
Picture DialSizedPicture() {
  Picture picture(520, 520);
  Canvas canvas(picture);
  canvas.Rectangle(0, 0, 529, 554);
  canvas.Ellipse(50, 50, 470, 470);
  canvas.font = {"arial", 10, true, kNavy, 0};
  canvas.TextOut(179, 7, "O <");
  canvas.TextOut(256, 7, "S");
  canvas.TextOut(321, 7, "> W");
  for (int k = 0; k < 12; ++k) {
    const double phi = (30 * k - 17.3) * kDegree;
    canvas.MoveTo(260 + int(76 * std::cos(phi)), 260 - int(77 * std::sin(phi)));
    canvas.LineTo(260 + int(212 * std::cos(phi)), 260 - int(213 * std::sin(phi)));
  }
  canvas.Ellipse(155, 155, 365, 365);
  for (const auto& [x1, y1, x2, y2] :
       {std::array{20, 260, 50, 260}, std::array{470, 260, 500, 260}, std::array{260, 20, 260, 50},
        std::array{260, 470, 260, 500}}) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  }
  for (int degree = 0; degree < 360; degree += 20) {
    canvas.MoveTo(260 + int(105 * std::cos(degree * kDegree)),
                  260 - int(105 * std::sin(degree * kDegree)));
    canvas.LineTo(260 + int(112 * std::cos(degree * kDegree)),
                  260 - int(112 * std::sin(degree * kDegree)));
  }
  Image icon{32, 32, std::vector<std::uint32_t>(32 * 32, 0xFF00FFFF)};
  canvas.Draw(245, 244, icon);
  canvas.font = {kSymbolFace, 14, false, kBlack, 0};
  for (int k = 0; k < 12; ++k) {
    const double psi = (30 * k + 14 + 72.7) * kDegree;
    canvas.TextOut(250 + int(140 * std::cos(psi)), 250 - int(140 * std::sin(psi)),
                   std::string(1, "()?*+#!\xA7$%&/"[k]));
  }
  canvas.font.size = 10;
  canvas.font.bold = true;
  for (int i = 0; i < 22; ++i) {
    const int angle = 90 + 16 * i;
    canvas.pen.color = canvas.font.color = i == 0 ? kGreen : i == 3 ? kRed : kNavy;
    canvas.MoveTo(260 + int(220 * std::cos(angle * kDegree)),
                  260 - int(220 * std::sin(angle * kDegree)));
    canvas.LineTo(260 + int(200 * std::cos(angle * kDegree)),
                  260 - int(200 * std::sin(angle * kDegree)));
    canvas.font = FontWithEscapement(canvas.font, (angle % 360) * 10 + 2700);
    canvas.TextOut(260 + int(235 * std::cos((angle + 1.4) * kDegree)),
                   260 - int(235 * std::sin((angle + 1.4) * kDegree)), std::string(1, 'a' + i));
  }
  canvas.font = {"Arial", 10, true, kGreen, 0};
  canvas.TextOut(232, 170, "Meridian");
  canvas.font.color = kNavy;
  canvas.TextOut(205, 225, "Nordpol der Erde");
  canvas.MoveTo(260, 240);
  canvas.LineTo(260, 260);
  return picture;
}

void BM_WriteWmf(benchmark::State& state) {
  const Picture picture = DialSizedPicture();
  std::size_t bytes = 0;
  for (auto _ : state) {
    auto encoded = EncodeWmf(picture);
    bytes = encoded.value().size();
    benchmark::DoNotOptimize(encoded);
  }
  state.counters["operations"] = double(picture.operations().size());
  state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_WriteWmf);

void BM_ReadWmf(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = EncodeWmf(DialSizedPicture()).value();
  for (auto _ : state) {
    auto picture = DecodeWmf(bytes);
    benchmark::DoNotOptimize(picture);
  }
  state.counters["file_bytes"] = double(bytes.size());
}
BENCHMARK(BM_ReadWmf);

// What a paint of the chart windows costs: saving the file and, for printing
// or a saved copy, loading it again.
void BM_SaveAndLoadWmfFile(benchmark::State& state) {
  const Picture picture = DialSizedPicture();
  const std::string path =
      (std::filesystem::temp_directory_path() / "sternwerk_bench_wmf.wmf").string();
  for (auto _ : state) {
    if (!SaveWmfFile(picture, path).ok()) {
      state.SkipWithError("the metafile cannot be written");
      break;
    }
    auto loaded = LoadWmfFile(path);
    benchmark::DoNotOptimize(loaded);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveAndLoadWmfFile);

}  // namespace
}  // namespace sternwerk

BENCHMARK_MAIN();
