// sternwerk-sky's astrological lines after the position list: the house
// cusps (--houses LETTER), the aspects (--aspects) and the midpoints sorted
// on the 90-degree dial (--midpoints), of the twelve factors from MC to
// Pluto or, with --all, of all 22 drawn factors.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astrology/house_cusps.h"
#include "base/outcome.h"
#include "engine/computation_mode.h"
#include "engine/sky_state.h"

namespace sternwerk {

struct AstrologyRequest {
  std::optional<HouseSystem> houses;  // --houses LETTER
  bool aspects = false;               // --aspects
  bool midpoints = false;             // --midpoints
  bool allFactors = false;            // --all: the 22 drawn factors, else the twelve
};

// Whether an argument is one of the options above, so that a command line
// may begin with it.
bool IsAstrologyOption(std::string_view argument);

// Takes the options above out of `args`, wherever they stand, leaving the
// others in their order. Refused: --houses without a system letter or with
// another text, an option given twice.
Outcome<AstrologyRequest> TakeAstrologyOptions(std::vector<std::string>& args);

struct AstrologyText {
  std::vector<std::string> lines;  // UTF-8, for the standard output
  std::vector<std::string> notes;  // UTF-8, for the error output (a system's fallback)
};

// The requested lines for a computed sky, computed in `mode`:
//   " H1 101°38'28\"=11°38'KRE" ... "H12 ..." (the position list's form),
//   "SO MO Trigon 3°05' applikativ" (codes, aspect, orb, applying or
//   separating), "SO/MO 12°34'" (the midpoint's place on the 90-degree
//   dial), each in the language shown. Fails where the library cannot
//   compute the houses.
Outcome<AstrologyText> AstrologyTextFor(const AstrologyRequest& request, const SkyState& sky,
                                        ComputationMode mode);

}  // namespace sternwerk
