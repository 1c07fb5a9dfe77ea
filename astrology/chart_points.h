// The factors of a chart as the astrological computations take them: each
// drawn factor with its longitude and its daily motion.
#pragma once

#include <array>
#include <vector>

#include "engine/computation_mode.h"
#include "engine/sky_state.h"

namespace sternwerk {

struct ChartPoint {
  int factor = 0;          // factor number (engine/factors.h)
  double longitude = 0;    // degrees
  double dailyMotion = 0;  // degrees per day, negative when retrograde
};

// ChartPoints: the drawn factors of the chosen set (InFactorSet), axes
// included, in factor order.
//
// Given:   a computed sky; the mode it was computed in
// Returned:
//          each factor's longitude as the sky holds it (brought into
//          [0, 360): the Sun's and the Moon's may pass 360), its motion
//          from the sky computed in the same mode half an hour before and
//          after (the Aries point does not move)
//
// Notes:
// 1. The sky itself is not changed; the two neighbouring skies are
//    computed on copies.
std::vector<ChartPoint> ChartPoints(const SkyState& sky, ComputationMode mode, bool transplutonian);

// The signed shortest turn from `from` to `to`, degrees in (-180, 180].
double ShortestTurn(double from, double to);

}  // namespace sternwerk
