// The enlarged chart: the sky of one instant in a fixed zodiac, 0 degrees of
// Aries at the right and longitude running counterclockwise, every factor of
// the chosen set marked by a line and a label, the instant, the place, the
// last search result and a named place's local time written above it.
#pragma once

#include <string>

#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "platform/canvas.h"

namespace sternwerk {

inline constexpr int kChartSize = 740;  // pixels, square
// The zodiac's centre and circles, for layers drawn over the chart.
inline constexpr Point kChartCentre{370, 370};
inline constexpr int kChartInnerRadius = 130;
inline constexpr int kChartOuterRadius = 270;

// The texts the chart takes from the clock window (Windows-1252).
struct ChartTexts {
  std::string place;         // as the clock window's place line shows it
  std::string searchResult;  // empty when there is no search result
  // The named place's local civil time, "Ortszeit Berlin: Di, 08.12.2026 /
  // 10:30:15 MEZ (UT+1)"; empty for a place typed by its coordinates.
  std::string placeTime;
};

// "Datum / Zeit: Mo, 07.12.2026 / 14:05:09 WZ/GMT".
std::string ChartInstantText(const SkyState& sky);

// Records the chart of the sky's longitudes, in the options' factor set and
// with or without symbol-font glyphs, into a canvas on a kChartSize picture.
// The sky is read as it is.
void DrawEnlargedChart(const SkyState& sky, const DisplayOptions& options, const ChartTexts& texts,
                       Canvas& canvas);

}  // namespace sternwerk
