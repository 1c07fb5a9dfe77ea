// The clock's searches: the factor chosen, or the Moon, searched in the
// chosen computation; a found event becomes the result on the dial.
#include "clock/clock.h"
#include "clock/search_texts.h"
#include "engine/factors.h"

namespace sternwerk {

int Clock::SearchedFactor(EventKind kind) const {
  return IsLunation(kind) ? static_cast<int>(kMoon) : search_.factor;
}

SearchStatus Clock::Search(EventKind kind, const SearchProgress& progress) {
  const int factor = SearchedFactor(kind);
  const SearchStatus status = SearchEvent(sky_, kind, factor, progress, std::nullopt, computation_);
  if (status == SearchStatus::kFound) search_.resultText = SearchResultText(kind, factor);
  return status;
}

}  // namespace sternwerk
