// What the drawings show beside the sky itself: which factors, and whether
// glyphs of the symbol font or letter codes, and which computation. Chosen once at start-up by the
// clock window (in sternwerk-sky by its options) and handed to every drawing.
#pragma once

#include "engine/computation_mode.h"

namespace sternwerk {

struct DisplayOptions {
  // All 22 drawn factors, else the twelve from MC to Pluto (InFactorSet).
  bool transplutonian = false;
  // The symbol font is installed: factors and signs as its glyphs, else as
  // their two- and three-letter codes.
  bool symbolFontPresent = false;
  // The computation the shown positions come from; headings name it.
  ComputationUsed computation = ComputationUsed::kOwn;
};

}  // namespace sternwerk
