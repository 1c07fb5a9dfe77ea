// The houses and aspects of one chart, computed together for the layer over
// the enlarged chart, its page and its files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astrology/aspects.h"
#include "astrology/astrology_choices.h"
#include "astrology/chart_points.h"
#include "astrology/house_cusps.h"
#include "engine/computation_mode.h"
#include "engine/sky_state.h"

namespace sternwerk {

// What a chart is to carry: the cusps of a system, the aspects within orbs,
// either, both or nothing.
struct ChartAstrologyRequest {
  std::optional<HouseSystem> houses;
  std::optional<AspectOrbs> aspects;
};

// The window's choices as a request: both with the chosen system and orbs
// when shown, else nothing.
ChartAstrologyRequest RequestOf(const AstrologyChoices& choices);

struct ChartAstrology {
  std::optional<HouseCusps> houses;            // when asked and computable
  std::vector<ChartPoint> points;              // the factors the aspects join
  std::optional<std::vector<Aspect>> aspects;  // when asked
  // Empty, or why the cusps are of another system or missing (UTF-8).
  std::string note;

  bool empty() const { return !houses && !aspects && note.empty(); }
};

// ComputeChartAstrology: what `request` asks for, of a computed sky.
//
// Given:   the sky, computed in `mode`; the factor set (all 22 drawn
//          factors, else the twelve from MC to Pluto); the request
// Returned:
//          the cusps (ComputeHouseCusps) and the aspects between the
//          factor set's points (FindAspects); where not even a fallback's
//          cusps can be computed, no cusps and the reason as the note, so
//          that the chart is still drawn
ChartAstrology ComputeChartAstrology(const SkyState& sky, ComputationMode mode, bool transplutonian,
                                     const ChartAstrologyRequest& request);

}  // namespace sternwerk
