#include "collection/chart_of_instant.h"

#include <utility>

#include "places/local_time.h"
#include "places/zone_texts.h"

namespace sternwerk {

namespace {

constexpr const char* kUniversalZoneName = "UT";

}  // namespace

Chart ChartOfInstant(std::string name, ClockSeconds universal, const InstantPlace& place,
                     const PlaceTimeRules& rules, bool local) {
  Chart chart;
  chart.name = std::move(name);
  chart.universal = universal;
  const PlaceIdentity& identity = place.identity;
  chart.place = {identity.name,   identity.region, identity.country,
                 place.longitude, place.latitude,  identity.timeZone};
  if (!local) {
    chart.typed = ReadingOf(universal);
    chart.reading = TimeReading::kUniversal;
    chart.zoneName = kUniversalZoneName;
    return chart;
  }
  const LocalTime civil = LocalOf(rules, identity, place.longitude, universal);
  chart.typed = ReadingOf(civil.reading);
  chart.offsetSeconds = static_cast<int>(civil.reading - universal);
  chart.reading = civil.offset.meanLocalTime ? TimeReading::kMeanTime : TimeReading::kZoneTime;
  chart.zoneName = ShortZoneAbbreviationText(civil.offset);
  return chart;
}

}  // namespace sternwerk
