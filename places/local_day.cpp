#include "places/local_day.h"

#include "places/local_time.h"

namespace sternwerk {
namespace {

ClockSeconds MidnightOf(ClockSeconds reading) {
  return reading - ReadingOf(reading).secondOfDay;
}

}  // namespace

bool HasLocalTime(const PlaceTimeRules& rules, const PlaceIdentity& place) {
  return rules.ReadsZones() && !place.timeZone.empty();
}

ClockSeconds LocalDayStart(const PlaceTimeRules& rules, const PlaceIdentity& place,
                           double longitude, ClockSeconds universal) {
  if (!HasLocalTime(rules, place)) return MidnightOf(universal);
  const ClockSeconds midnight = MidnightOf(LocalOf(rules, place, longitude, universal).reading);
  return UniversalOf(rules, place, longitude, midnight, SkippedReading::kInstantAfter)
      .instants.front()
      .seconds;
}

}  // namespace sternwerk
