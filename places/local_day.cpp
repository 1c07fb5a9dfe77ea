#include "places/local_day.h"

namespace sternwerk {
namespace {

constexpr ClockSeconds kSecondsPerDay = 86400;

ClockSeconds MidnightOf(ClockSeconds reading) {
  return reading - ReadingOf(reading).secondOfDay;
}

}  // namespace

bool HasLocalTime(const PlaceTimeRules& rules, const PlaceIdentity& place) {
  return rules.localOf && rules.universalOf && !place.timeZone.empty();
}

ClockSeconds LocalDayStart(const PlaceTimeRules& rules, const PlaceIdentity& place,
                           double longitude, ClockSeconds universal) {
  if (!HasLocalTime(rules, place)) return MidnightOf(universal);
  const ClockSeconds midnight = MidnightOf(rules.localOf(place, longitude, universal).reading);
  const std::vector<ClockSeconds> instants = rules.universalOf(place, longitude, midnight);
  if (!instants.empty()) return instants.front();
  // Midnight was skipped. A day earlier, read as Universal Time, lies
  // within a few hours of the day before's midnight and so before the
  // clocks jumped; its offset puts midnight on the instant they jumped,
  // the first of the new offset.
  const ClockSeconds dayBefore = midnight - kSecondsPerDay;
  const ClockSeconds offsetBefore = rules.localOf(place, longitude, dayBefore).reading - dayBefore;
  return midnight - offsetBefore;
}

}  // namespace sternwerk
