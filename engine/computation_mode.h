// Which computation fills the positions of the sky state.
#pragma once

#include <string>
#include <string_view>

namespace sternwerk {

// kOwn: the program's own series (the default). kPrecise: the Swiss
// Ephemeris for the Sun, the Moon, the mean node, Mercury to Pluto and the
// axes; the hypothetical points and GZ stay with the own computation.
enum class ComputationMode { kOwn, kPrecise };

// What a computation actually used. The precise mode falls back to the own
// computation when the library cannot compute the instant (after about the
// year 3000) or reports any error.
enum class ComputationUsed {
  kOwn,
  kEphemerisFiles,    // the library with its ephemeris files
  kAnalyticalTheory,  // the library's built-in analytical theory
  kOwnAfterFailure,   // precise mode asked, the library failed
};

// Short German name for list headings: "genau", "eigene statt genau", ...
// (ASCII).
std::string ComputationName(ComputationUsed used);

}  // namespace sternwerk
