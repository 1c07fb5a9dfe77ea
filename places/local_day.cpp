#include "places/local_day.h"

#include "base/time_units.h"
#include "places/local_time.h"

namespace sternwerk {
namespace {

// From a day's first instant this lies within the next day, whatever the
// length of either (23 to 25 hours where the clocks change).
constexpr ClockSeconds kIntoTheNextDay = ClockSeconds{30} * kSecondsPerHour;

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

ClockSeconds NextLocalDayStart(const PlaceTimeRules& rules, const PlaceIdentity& place,
                               double longitude, ClockSeconds dayStart) {
  return LocalDayStart(rules, place, longitude, dayStart + kIntoTheNextDay);
}

}  // namespace sternwerk
