// The Hamburg school's 90-degree dial: every factor at its longitude modulo
// 90 degrees on a full circle (four degrees of the circle to a degree of
// the dial), 0 at the top and counting counterclockwise, a pointer through
// the centre whose far end marks its 45-degree point, and beside the dial
// the factors and midpoints the pointer reads.
#pragma once

#include <optional>
#include <vector>

#include "astrology/chart_points.h"
#include "engine/display_options.h"
#include "platform/canvas.h"

namespace sternwerk {

inline constexpr int kNinetyDialWidth = 760;  // pixels: the dial, then the list
inline constexpr int kNinetyDialHeight = 520;

// The pointer's reach on the dial (degrees of the dial) that the clock
// reads unless the user chooses another.
inline constexpr double kDefaultDialOrb = 1.5;

// The screen angle (degrees counterclockwise from the right) of a place on
// the dial (degrees, any value).
double DialScreenAngle(double dialPlace);

// The place on the dial (degrees, [0, 90)) at which a pointer from the
// centre through `at` (a pixel of the picture) points; none at the centre
// itself and beyond the dial, where the list stands.
std::optional<double> DialPlaceAt(Point at);

// Records the dial of the points, with their labels as glyphs of the symbol
// font or as codes, the pointer at `pointer` (a place on the dial, degrees)
// and beside the dial the pointer's place ("Zeiger 42°10'", then "12°10' STI
// LOE SKO WAS", the degree in the signs it stands for) and the list of
// PointsAtPointer within `orb` ("SO/MO 41°30'  -0°40'", "(45°)" after a point
// at the 45- or 135-degree point; a last line "(N weitere)" where the list
// is longer than the picture), into a kNinetyDialWidth x kNinetyDialHeight
// picture.
void DrawNinetyDegreeDial(const std::vector<ChartPoint>& points, double pointer, double orb,
                          const DisplayOptions& options, Canvas& canvas);

}  // namespace sternwerk
