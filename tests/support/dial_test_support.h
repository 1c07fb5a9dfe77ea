// Skies with chosen longitudes and readers of the dial they draw.
#pragma once

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "charts/dial_drawing.h"
#include "engine/factors.h"
#include "engine/sky_state.h"
#include "platform/canvas.h"
#include "tests/support/shown_sky.h"

namespace sternwerk::testing {

// A sky whose factors all stand at `rest` except the listed ones; the MC is
// listed like any other factor. No ComputeSky: the geometry is ours.
inline ShownSky SkyWith(std::initializer_list<std::pair<int, double>> longitudes,
                        bool transplutonian = false, bool symbols = false, double rest = 0) {
  ShownSky sky;
  sky.longitudes.fill(rest);
  for (const auto& [factor, longitude] : longitudes) sky.longitudes[factor] = longitude;
  sky.options = {transplutonian, symbols};
  return sky;
}

inline Picture DialOf(const ShownSky& sky) {
  Picture picture(kDialSize, kDialSize);
  Canvas canvas(picture);
  DrawDial(sky, sky.options, canvas);
  return picture;
}

// Factor labels are the texts turned by at least 270 degrees.
inline std::vector<TextOp> FactorLabels(const Picture& picture) {
  std::vector<TextOp> labels;
  for (const TextOp& text : picture.Texts()) {
    if (text.font.escapement >= 2700) labels.push_back(text);
  }
  return labels;
}

// The label of a factor, written as its code or its glyph letter.
inline std::optional<TextOp> LabelOf(const Picture& picture, int factor) {
  for (const TextOp& label : FactorLabels(picture)) {
    if (label.text == kFactorCodes[factor] || label.text == std::string(1, FactorGlyph(factor))) {
      return label;
    }
  }
  return std::nullopt;
}

// The label ring a factor's label stands on: its distance from the centre,
// with the horizontal radius taken as 100/99 of the vertical one, rounded to
// the nearest multiple of 5 pixels (rings lie 15 apart, the line ends at 220).
inline int LabelRadius(const Picture& picture, int factor) {
  const std::optional<TextOp> label = LabelOf(picture, factor);
  if (!label) return -1;
  const bool code = label->text.size() == 2;
  const double dx = label->at.x + (code ? 6 : 0) - 260;
  const double dy = label->at.y + (code ? 5 : 0) - 260;
  const double r = std::hypot(dx * 99 / 100, dy);
  return static_cast<int>(std::lround(r / 5) * 5);
}

}  // namespace sternwerk::testing
