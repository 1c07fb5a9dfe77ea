#include "places/local_time.h"

#include "base/time_units.h"

namespace sternwerk {
namespace {

// Whether the place's zone is to be read by the rules.
bool ReadsZoneOf(const PlaceTimeRules& rules, const PlaceIdentity& place) {
  return rules.ReadsZones() && !place.timeZone.empty();
}

}  // namespace

LocalTime LocalOf(const PlaceTimeRules& rules, const PlaceIdentity& place, double longitude,
                  ClockSeconds universal) {
  LocalTime local;
  local.offset = MeanLocalTime(longitude);
  if (ReadsZoneOf(rules, place)) {
    const Outcome<CivilOffset> zoneOffset = rules.offsetAt(place.timeZone, universal, longitude);
    if (zoneOffset.ok()) {
      local.offset = zoneOffset.value();
    } else {
      local.zoneProblem = zoneOffset.error();
    }
  }
  local.reading = universal + local.offset.seconds;
  return local;
}

UniversalTimes UniversalOf(const PlaceTimeRules& rules, const PlaceIdentity& place,
                           double longitude, ClockSeconds local, SkippedReading skipped) {
  const CivilOffset meanTime = MeanLocalTime(longitude);
  UniversalTimes times{{{local - meanTime.seconds, meanTime}}, {}};
  if (!ReadsZoneOf(rules, place)) return times;
  const Outcome<std::vector<CivilOffset>> offsets =
      rules.offsetsOfLocalTime(place.timeZone, local, longitude);
  if (!offsets.ok()) {
    times.zoneProblem = offsets.error();
    return times;
  }
  times.instants.clear();
  for (const CivilOffset& offset : offsets.value())
    times.instants.push_back({local - offset.seconds, offset});
  if (times.instants.empty() && skipped == SkippedReading::kInstantAfter) {
    // A day earlier, read as Universal Time, lies before the clocks jumped;
    // its offset puts the reading on the instant they jumped, the first of
    // the new offset.
    const CivilOffset before = LocalOf(rules, place, longitude, local - kSecondsPerDay).offset;
    times.instants.push_back({local - before.seconds, before});
  }
  return times;
}

}  // namespace sternwerk
