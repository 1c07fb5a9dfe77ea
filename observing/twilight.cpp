#include "observing/twilight.h"

#include <swephexp.h>

#include "base/translation.h"
#include "observing/day_events.h"

namespace sternwerk {
namespace {

constexpr const char* kContext = "sternwerk::Twilight";

int32 LibraryDepth(TwilightDepth depth) {
  switch (depth) {
    case TwilightDepth::kCivil:
      return SE_BIT_CIVIL_TWILIGHT;
    case TwilightDepth::kNautical:
      return SE_BIT_NAUTIC_TWILIGHT;
    case TwilightDepth::kAstronomical:
      return SE_BIT_ASTRO_TWILIGHT;
  }
  return SE_BIT_CIVIL_TWILIGHT;
}

std::size_t IndexOf(TwilightDepth depth) {
  return static_cast<std::size_t>(depth);
}

}  // namespace

double TwilightDepthDegrees(TwilightDepth depth) {
  constexpr std::array<double, 3> kDegrees = {6, 12, 18};
  return kDegrees[IndexOf(depth)];
}

std::string TwilightName(TwilightDepth depth, TwilightEdge edge) {
  constexpr std::array<const char*, 3> kDawns = {
      QT_TRANSLATE_NOOP("sternwerk::Twilight", "Bürgerliche Morgendämmerung"),
      QT_TRANSLATE_NOOP("sternwerk::Twilight", "Nautische Morgendämmerung"),
      QT_TRANSLATE_NOOP("sternwerk::Twilight", "Astronomische Morgendämmerung")};
  constexpr std::array<const char*, 3> kDusks = {
      QT_TRANSLATE_NOOP("sternwerk::Twilight", "Bürgerliche Abenddämmerung"),
      QT_TRANSLATE_NOOP("sternwerk::Twilight", "Nautische Abenddämmerung"),
      QT_TRANSLATE_NOOP("sternwerk::Twilight", "Astronomische Abenddämmerung")};
  return Translated(kContext, (edge == TwilightEdge::kDawn ? kDawns : kDusks)[IndexOf(depth)]);
}

Outcome<std::optional<ClockSeconds>> TwilightIn(TwilightDepth depth, TwilightEdge edge,
                                                const LocalDay& day, const ObserverPlace& place) {
  const int event =
      (edge == TwilightEdge::kDawn ? SE_CALC_RISE : SE_CALC_SET) | LibraryDepth(depth);
  return LibraryEventInDay(SE_SUN, event, day, place);
}

Outcome<DayTwilights> TwilightsOf(const LocalDay& day, const ObserverPlace& place) {
  DayTwilights twilights;
  for (const TwilightDepth depth : kTwilightDepths) {
    for (const TwilightEdge edge : {TwilightEdge::kDawn, TwilightEdge::kDusk}) {
      const Outcome<std::optional<ClockSeconds>> found = TwilightIn(depth, edge, day, place);
      if (!found.ok()) return Outcome<DayTwilights>::Failure(found.error());
      (edge == TwilightEdge::kDawn ? twilights.dawn : twilights.dusk)[IndexOf(depth)] =
          found.value();
    }
  }
  return Outcome<DayTwilights>::Success(twilights);
}

}  // namespace sternwerk
