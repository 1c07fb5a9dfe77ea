// What a place was chosen by besides its coordinates: its name and its
// time zone. A place typed by its coordinates has no name, and a zone only
// where a named place lies near it.
#pragma once

#include <string>

#include "base/language.h"
#include "places/place_atlas.h"

namespace sternwerk {

struct PlaceIdentity {
  std::string name;      // UTF-8, German where the atlas has it; empty: typed
  std::string region;    // UTF-8
  std::string country;   // UTF-8
  std::string timeZone;  // IANA id; empty: the place's mean time only

  bool operator==(const PlaceIdentity&) const = default;
};

// The atlas place as it is shown in `shown`: its English (GeoNames) texts
// in English; in German its German texts where it has them.
PlaceIdentity IdentityOf(const AtlasPlace& place, Language shown);

// A place typed by its coordinates: no name, the zone of the nearest atlas
// place within kNearestZoneKm, else none.
inline constexpr double kNearestZoneKm = 150.0;
PlaceIdentity TypedPlaceIdentity(const PlaceAtlas& atlas, double longitude, double latitude);

}  // namespace sternwerk
