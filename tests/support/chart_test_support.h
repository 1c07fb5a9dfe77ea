// Skies with chosen longitudes for the enlarged chart, and readers of the
// chart they draw.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "charts/enlarged_chart_drawing.h"
#include "engine/factors.h"
#include "engine/sky_state.h"
#include "platform/canvas.h"
#include "tests/support/shown_sky.h"

namespace sternwerk::testing {

// A sky whose factors stand 9 degrees apart from 150 degrees on (so no
// label is pushed by another), except the listed ones. No ComputeSky.
inline ShownSky ChartSkyWith(std::initializer_list<std::pair<int, double>> longitudes,
                             bool transplutonian = false, bool symbols = false) {
  ShownSky sky;
  for (int factor = 0; factor < kFactorSlots; ++factor) sky.longitudes[factor] = 150 + 9 * factor;
  for (const auto& [factor, longitude] : longitudes) sky.longitudes[factor] = longitude;
  sky.options = {transplutonian, symbols};
  sky.day = 7;
  sky.month = 12;
  sky.year = 2026;
  sky.dateText = "07.12.2026";
  sky.hours = 14 + 5 / 60.0 + 9.5 / 3600;
  return sky;
}

inline Picture ChartOf(const ShownSky& sky, const ChartTexts& texts = {}) {
  Picture picture(kChartSize, kChartSize);
  Canvas canvas(picture);
  DrawEnlargedChart(sky, sky.options, texts, canvas);
  return picture;
}

// Factor labels are the only turned texts.
inline std::vector<TextOp> FactorLabels(const Picture& chart) {
  std::vector<TextOp> labels;
  for (const TextOp& text : chart.Texts()) {
    if (text.font.escapement != 0) labels.push_back(text);
  }
  return labels;
}

inline std::optional<TextOp> TextNamed(const Picture& chart, const std::string& text) {
  const std::vector<TextOp> texts = chart.Texts();
  const auto found =
      std::find_if(texts.begin(), texts.end(), [&](const TextOp& op) { return op.text == text; });
  if (found == texts.end()) return std::nullopt;
  return *found;
}

inline bool HasLine(const Picture& chart, Point from, Point to, Rgb colour) {
  for (const LineOp& line : chart.Lines()) {
    if (line.from == from && line.to == to && line.pen.color == colour) return true;
  }
  return false;
}

}  // namespace sternwerk::testing
