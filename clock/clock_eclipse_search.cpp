// The clock's eclipse searches: the next solar eclipse seen from the sky's
// place or the next lunar eclipse, after the clock's instant; found, the
// clock stands at its maximum with its kind and figures as the result.
#include "base/text_encoding.h"
#include "base/time_units.h"
#include "base/translation.h"
#include "clock/clock.h"
#include "observing/eclipse_report.h"
#include "observing/lunar_eclipse.h"
#include "observing/solar_eclipse.h"

namespace sternwerk {
namespace {

// A search from a maximum found, which is rounded to its second, passes
// over that eclipse.
constexpr ClockSeconds kAfterTheInstant = 1;

// An eclipse found: its maximum (Universal Time), kind and figures (UTF-8).
struct FoundEclipse {
  ClockSeconds maximum = 0;
  std::string kind;
  std::vector<std::string> figures;
};

using InstantTextAt = std::function<EclipseInstantText(ClockSeconds maximum)>;

Outcome<FoundEclipse> NextEclipse(EclipseSearch search, ClockSeconds from,
                                  const ObserverPlace& place, const InstantTextAt& when) {
  using Result = Outcome<FoundEclipse>;
  if (search == EclipseSearch::kSolar) {
    const Outcome<LocalSolarEclipse> found = NextSolarEclipse(from, place);
    if (!found.ok()) return Result::Failure(found.error());
    const LocalSolarEclipse& eclipse = found.value();
    return Result::Success({eclipse.maximum, SolarEclipseKindText(eclipse.kind),
                            SolarEclipseLines(eclipse, when(eclipse.maximum))});
  }
  const Outcome<LunarEclipse> found = NextLunarEclipse(from, place);
  if (!found.ok()) return Result::Failure(found.error());
  const LunarEclipse& eclipse = found.value();
  return Result::Success({eclipse.maximum, LunarEclipseKindText(eclipse.kind),
                          LunarEclipseLines(eclipse, when(eclipse.maximum))});
}

}  // namespace

Outcome<SearchStatus> Clock::SearchEclipse(EclipseSearch search, const SearchProgress& progress) {
  using Result = Outcome<SearchStatus>;
  if (progress && !progress(0)) return Result::Success(SearchStatus::kCancelled);
  LocalReadingOf local;
  if (LocalTimeShownFirst()) {
    local = [this](ClockSeconds universal) {
      return LocalOf(placeTimeRules_, placeIdentity_, sky_.longitude, universal);
    };
  }
  const Outcome<FoundEclipse> found = NextEclipse(
      search, ShownInstant() + kAfterTheInstant, {sky_.longitude, sky_.latitude, 0},
      [&local](ClockSeconds maximum) { return ClockEclipseInstantText(maximum, local); });
  if (!found.ok()) {
    const char* name = search == EclipseSearch::kSolar
                           ? QT_TRANSLATE_NOOP("sternwerk::Clock", "Sonnenfinsternis")
                           : QT_TRANSLATE_NOOP("sternwerk::Clock", "Mondfinsternis");
    return Result::Failure(
        WithArguments(Translated("sternwerk::Clock",
                                 QT_TRANSLATE_NOOP("sternwerk::Clock", "%1 nicht berechenbar: %2")),
                      {Translated("sternwerk::Clock", name), found.error()}));
  }
  const ClockReading maximum = ReadingOf(found.value().maximum);
  SetInstant(sky_, maximum.day, maximum.month, maximum.year,
             static_cast<double>(maximum.secondOfDay) / kSecondsPerHour);
  search_.resultText = Utf8ToWindows1252(" " + found.value().kind + " ");
  search_.resultDetails.clear();
  for (const std::string& figure : found.value().figures)
    search_.resultDetails.push_back(Utf8ToWindows1252(figure));
  return Result::Success(SearchStatus::kFound);
}

}  // namespace sternwerk
