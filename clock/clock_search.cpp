// The clock's searches: the factor chosen, or the Moon, searched in the
// chosen computation; a found event becomes the result on the dial.
#include "base/translation.h"
#include "clock/clock.h"
#include "clock/search_texts.h"
#include "engine/factors.h"
#include "engine/horizon_events.h"

namespace sternwerk {

int Clock::SearchedFactor(EventKind kind) const {
  return IsLunation(kind) ? static_cast<int>(kMoon) : search_.factor;
}

Outcome<SearchStatus> Clock::Search(EventKind kind, const SearchProgress& progress) {
  const int factor = SearchedFactor(kind);
  const bool atHorizon = search_.atHorizon && !IsLunation(kind);
  const Outcome<SearchStatus> status =
      atHorizon ? SearchHorizonEvent(sky_, kind, factor, computation_)
                : Outcome<SearchStatus>::Success(
                      SearchEvent(sky_, kind, factor, progress, std::nullopt, computation_));
  if (!status.ok()) {
    return Outcome<SearchStatus>::Failure(
        WithArguments(Translated("sternwerk::Clock",
                                 QT_TRANSLATE_NOOP("sternwerk::Clock", "%1 nicht berechenbar: %2")),
                      {HorizonEventName(kind, factor), status.error()}));
  }
  if (status.value() == SearchStatus::kFound)
    search_.resultText = SearchResultText(kind, factor, atHorizon);
  return status;
}

}  // namespace sternwerk
