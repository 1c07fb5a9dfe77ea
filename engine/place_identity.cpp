#include "engine/place_identity.h"

namespace sternwerk {
namespace {

const std::string& GermanFirst(const std::string& german, const std::string& english) {
  return german.empty() ? english : german;
}

}  // namespace

PlaceIdentity IdentityOf(const AtlasPlace& place) {
  return {GermanFirst(place.germanName, place.name), GermanFirst(place.germanRegion, place.region),
          GermanFirst(place.germanCountry, place.country), place.timeZone};
}

PlaceIdentity TypedPlaceIdentity(const PlaceAtlas& atlas, double longitude, double latitude) {
  const AtlasPlace* nearest = atlas.Nearest(longitude, latitude, kNearestZoneKm);
  PlaceIdentity typed;
  if (nearest != nullptr) typed.timeZone = nearest->timeZone;
  return typed;
}

}  // namespace sternwerk
