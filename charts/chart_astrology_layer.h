// Houses and aspects over the enlarged chart: a layer drawn onto the same
// canvas after DrawEnlargedChart, so that a chart without it stays as it
// was. The cusps run across the zodiac ring with the house numbers inside
// it; the aspects are chords inside the inner circle.
#pragma once

#include <vector>

#include "astrology/aspects.h"
#include "astrology/chart_astrology.h"
#include "astrology/chart_points.h"
#include "astrology/house_cusps.h"
#include "platform/canvas.h"

namespace sternwerk {

// Each cusp as a line from the inner to the outer circle at its longitude,
// the house's number inside the inner circle halfway to the next cusp.
void DrawHouseCusps(const HouseCusps& houses, Canvas& canvas);

// Each aspect other than the conjunction as a chord between its factors'
// longitudes (the factors found in `points`): red for the opposition, the
// square, the semi-square and the sesquiquadrate, green for the trine and
// the sextile.
void DrawAspectLines(const std::vector<ChartPoint>& points, const std::vector<Aspect>& aspects,
                     Canvas& canvas);

// The cusps and the aspect lines `astrology` holds; nothing for an empty one.
void DrawAstrologyLayer(const ChartAstrology& astrology, Canvas& canvas);

}  // namespace sternwerk
