// The main dial: the sky of one instant as an observer facing south sees it,
// the meridian (MC) at the top, the eastern horizon on the left, the Earth
// seen from above its north pole in the centre. The compass line at the top
// names the direction in which the MC stands: south, or north where it
// stands north of the zenith.
#pragma once

#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "platform/canvas.h"

namespace sternwerk {

// Nominal size of the dial picture in pixels; its white background reaches
// further, to kDialBackgroundWidth x kDialBackgroundHeight.
inline constexpr int kDialSize = 520;
inline constexpr int kDialBackgroundWidth = 529;
inline constexpr int kDialBackgroundHeight = 554;

// Records the dial of the sky's longitudes, in the options' factor set and
// with or without symbol-font glyphs, into the canvas's picture. The sky is read as it is (not
// recomputed).
void DrawDial(const SkyState& sky, const DisplayOptions& options, Canvas& canvas);

}  // namespace sternwerk
