// The clock's search as the user set it up and last ended it: the kind of
// rise and set, the factor chosen in the factor dialog, and the text the
// dial and the enlarged chart show for the event found (Windows-1252; empty
// once the clock has moved).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sternwerk {

// A factor chosen in the factor choice dialog for a rise, set or
// culmination; a cancelled dialog chooses none.
struct FactorChoice {
  std::uint8_t factor = 0;
};

struct SearchState {
  // Rise, set and culmination as an almanac gives them (SearchHorizonEvent)
  // instead of the factor meeting AS, DC or MC.
  bool atHorizon = false;
  std::uint8_t factor = 0;
  std::string resultText;
  // Below resultText in the clock window, the figures of an eclipse found
  // (Windows-1252, one line each); empty after the other searches.
  std::vector<std::string> resultDetails;
};

}  // namespace sternwerk
