// The outside view: the half of the ecliptic above the horizon as seen
// looking south, the eastern horizon (AS) a fixed line at the left, the
// western horizon (the descendant) one at the right, and the meridian (MC)
// somewhere between them. Factors stand by their whole degrees behind the AS.
// Where the MC stands north of the zenith (the southern hemisphere, at times
// the tropics) the view looks north as a person there sees it: the eastern
// horizon at the right, the western one at the left.
#pragma once

#include <memory>
#include <string>

#include "charts/enlarged_chart_drawing.h"
#include "engine/sky_state.h"
#include "platform/canvas.h"

namespace sternwerk {

inline constexpr int kOutsideViewWidth = 790;   // pixels
inline constexpr int kOutsideViewHeight = 235;  // pixels

// "  am Mo, 07.12.2026  um 14:05:09 WZ/GMT", appended to the window's title.
std::string OutsideViewTitleSuffix(const SkyState& sky);

// Records the view of the sky's longitudes, in the options' factor set and
// with or without symbol-font glyphs, into a canvas on a kOutsideViewWidth x kOutsideViewHeight
// picture. Every text stands on an opaque navy box.
void DrawOutsideView(const SkyState& sky, const DisplayOptions& options, Canvas& canvas);

// The printed page: the view stretched below a header line with the instant
// and the place, and the last search result, all in the view's units. Its
// nominal size is the view's; the stretched view reaches below it.
Picture OutsideViewPrintPicture(std::shared_ptr<const Picture> view, const SkyState& sky,
                                const ChartTexts& texts);

}  // namespace sternwerk
