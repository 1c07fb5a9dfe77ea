// The clock's searches: the factor chosen, or the Moon, searched in the
// chosen computation from the start of the local day or from the clock's
// instant; a found event becomes the result on the dial.
#include <algorithm>

#include "base/time_units.h"
#include "base/translation.h"
#include "clock/clock.h"
#include "clock/search_texts.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/horizon_events.h"

namespace sternwerk {

int Clock::SearchedFactor(EventKind kind) const {
  return IsLunation(kind) ? static_cast<int>(kMoon) : search_.factor;
}

// A start before the calendar's first instant (the local day of
// 01.01.1600 east of Greenwich) is that instant.
double Clock::MoveToSearchStart(EventKind kind) {
  if (IsLunation(kind)) return sky_.hours;
  const ClockSeconds start =
      std::max(LocalDayStart(placeTimeRules_, placeIdentity_, sky_.longitude, ShownInstant()),
               ClockSecondsOf(1, 1, kFirstCalendarYear, 0));
  const ClockReading reading = ReadingOf(start);
  SetInstant(sky_, reading.day, reading.month, reading.year, 0);
  return static_cast<double>(reading.secondOfDay) / kSecondsPerHour;
}

Outcome<SearchStatus> Clock::Search(EventKind kind, const SearchProgress& progress) {
  const int factor = SearchedFactor(kind);
  const bool atHorizon = search_.atHorizon && !IsLunation(kind);
  const SkyState before = sky_;
  const double fromHours = MoveToSearchStart(kind);
  const int firstHour = static_cast<int>(fromHours);
  const SearchProgress hoursScanned = [&progress, firstHour](int hour) {
    return !progress || progress((hour - firstHour + kHoursPerDay) % kHoursPerDay);
  };
  const Outcome<SearchStatus> status =
      atHorizon ? SearchHorizonEvent(sky_, kind, factor, computation_, fromHours)
                : Outcome<SearchStatus>::Success(SearchEvent(
                      sky_, kind, factor, hoursScanned, std::nullopt, computation_, fromHours));
  if (!status.ok() || status.value() != SearchStatus::kFound) sky_ = before;
  if (!status.ok()) {
    return Outcome<SearchStatus>::Failure(
        WithArguments(Translated("sternwerk::Clock",
                                 QT_TRANSLATE_NOOP("sternwerk::Clock", "%1 nicht berechenbar: %2")),
                      {HorizonEventName(kind, factor), status.error()}));
  }
  if (status.value() == SearchStatus::kFound) {
    search_.resultText = SearchResultText(kind, factor, atHorizon);
    search_.resultDetails.clear();
  }
  return status;
}

std::string Clock::SearchResultLine() const {
  if (!search_.resultDetails.empty()) {
    std::string line = search_.resultText;
    for (const std::string& detail : search_.resultDetails) line += "\n " + detail + " ";
    return line;
  }
  if (search_.resultText.empty() || !LocalTimeShownFirst()) return search_.resultText;
  const InstantTexts lines = InstantLines();
  return search_.resultText + "\n " + lines.time + " \n " + lines.universal + " ";
}

}  // namespace sternwerk
