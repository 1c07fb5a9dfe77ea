#include "tools/chart_place_lookup.h"

#include <iostream>

#include "places/qt/civil_time.h"
#include "places/zone_texts.h"
#include "tools/located_sky.h"
#include "tools/places_command.h"

namespace sternwerk {

std::optional<ChartPlace> ProgramPlaceLookup::Named(std::string_view name) const {
  const ToolOutcome<const AtlasPlace*> named = PlaceNamed(ProgramAtlas(), name, std::cerr);
  if (!named.ok()) return std::nullopt;
  const AtlasPlace& place = *named.value();
  const PlaceIdentity shown = IdentityOf(place, ShownLanguage());
  return ChartPlace{shown.name,      shown.region,   shown.country,
                    place.longitude, place.latitude, shown.timeZone};
}

std::string ProgramPlaceLookup::ZoneNear(double longitude, double latitude) const {
  return TypedPlaceIdentity(ProgramAtlas(), longitude, latitude).timeZone;
}

Outcome<std::vector<ZoneOffset>> ProgramPlaceLookup::Offsets(const std::string& zone,
                                                             ClockSeconds local,
                                                             double longitude) const {
  const Outcome<std::vector<CivilOffset>> offsets = OffsetsOfLocalTime(zone, local, longitude);
  if (!offsets.ok()) return Outcome<std::vector<ZoneOffset>>::Failure(offsets.error());
  std::vector<ZoneOffset> found;
  for (const CivilOffset& offset : offsets.value())
    found.push_back({offset.seconds, ShortZoneAbbreviationText(offset)});
  return Outcome<std::vector<ZoneOffset>>::Success(found);
}

}  // namespace sternwerk
