#include "places/place_identity.h"

namespace sternwerk {
namespace {

const std::string& ShownText(const std::string& english, const std::string& german,
                             Language shown) {
  return shown == Language::kGerman && !german.empty() ? german : english;
}

}  // namespace

PlaceIdentity IdentityOf(const AtlasPlace& place, Language shown) {
  return {ShownText(place.name, place.germanName, shown),
          ShownText(place.region, place.germanRegion, shown),
          ShownText(place.country, place.germanCountry, shown), place.timeZone};
}

PlaceIdentity TypedPlaceIdentity(const PlaceAtlas& atlas, double longitude, double latitude) {
  const AtlasPlace* nearest = atlas.Nearest(longitude, latitude, kNearestZoneKm);
  PlaceIdentity typed;
  if (nearest != nullptr) typed.timeZone = nearest->timeZone;
  return typed;
}

}  // namespace sternwerk
