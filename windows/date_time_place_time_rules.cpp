#include "windows/date_time_place_time_rules.h"

#include "places/qt/civil_time.h"
#include "places/qt/local_time.h"

namespace sternwerk {
namespace {

ZoneReading LocalOf(const PlaceIdentity& place, double longitude, ClockSeconds universal) {
  const LocalTime local = LocalTimeAt(place, longitude, universal);
  return {{{local.reading, ZoneAbbreviationText(local.offset)}}, local.zoneProblem};
}

ZoneReading UniversalOf(const PlaceIdentity& place, double longitude, ClockSeconds local) {
  const CivilOffset meanTime = MeanLocalTime(longitude);
  ZoneReading reading{{{local - meanTime.seconds, ZoneAbbreviationText(meanTime)}}, {}};
  if (place.timeZone.empty()) return reading;
  const Outcome<std::vector<CivilOffset>> offsets =
      OffsetsOfLocalTime(place.timeZone, local, longitude);
  if (!offsets.ok()) {
    reading.zoneProblem = offsets.error();
    return reading;
  }
  reading.instants.clear();
  for (const CivilOffset& offset : offsets.value()) {
    reading.instants.push_back({local - offset.seconds, ZoneAbbreviationText(offset)});
  }
  return reading;
}

}  // namespace

LocalTimeRules DateTimePlaceTimeRules() {
  return {.localOf = LocalOf, .universalOf = UniversalOf};
}

}  // namespace sternwerk
