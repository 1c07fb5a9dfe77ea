// A sky together with the display options it is drawn with, as the tests of
// the drawings build them.
#pragma once

#include "engine/display_options.h"
#include "engine/sky_state.h"

namespace sternwerk::testing {

struct ShownSky : SkyState {
  DisplayOptions options;
};

}  // namespace sternwerk::testing
