// The icon of the desktop menu entry: a small clock dial, a navy disc with
// a golden rim, the twelve signs' divisions, a white hand and the Sun.
#pragma once

#include "platform/canvas.h"

namespace sternwerk {

// Draws the icon for a final size of `size` pixels, `scale` times larger
// (to be smoothed down to `size`): strokes are at least one final pixel
// wide, and details too small to see at `size` are left out.
void DrawProgramIcon(int size, int scale, Canvas& canvas);

}  // namespace sternwerk
