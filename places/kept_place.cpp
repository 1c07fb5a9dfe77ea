#include "places/kept_place.h"

#include <cmath>

namespace sternwerk {
namespace {

constexpr double kMinutesPerDegree = 60;
// Kept coordinates are an atlas place's, or earlier its rounded to the
// minute, which moved them by less than a minute of arc of latitude, 1.85 km.
constexpr double kKeptPlaceKm = 2.0;

bool SameMinute(double a, double b) {
  return std::llround(a * kMinutesPerDegree) == std::llround(b * kMinutesPerDegree);
}

bool AtSkyPlace(const std::optional<KeptPlace>& kept, const SkyState& sky) {
  return kept && SameMinute(kept->longitude, sky.longitude) &&
         SameMinute(kept->latitude, sky.latitude);
}

// The kept place named in `shown`: the atlas place at the kept coordinates
// that bears the kept name in either language; the kept texts where there
// is none (a place of another atlas).
PlaceIdentity ShownIdentity(const KeptPlace& kept, const PlaceAtlas& atlas, Language shown) {
  const AtlasPlace* place = atlas.Nearest(kept.longitude, kept.latitude, kKeptPlaceKm);
  const bool same = place != nullptr && place->timeZone == kept.identity.timeZone &&
                    (place->name == kept.identity.name || place->germanName == kept.identity.name);
  return same ? IdentityOf(*place, shown) : kept.identity;
}

}  // namespace

void TakeKeptCoordinates(const std::optional<KeptPlace>& kept, SkyState& sky) {
  if (!AtSkyPlace(kept, sky)) return;
  sky.longitude = kept->longitude;
  sky.latitude = kept->latitude;
}

PlaceIdentity IdentityForSkyPlace(const std::optional<KeptPlace>& kept, const SkyState& sky,
                                  const PlaceAtlas& atlas, Language shown) {
  if (AtSkyPlace(kept, sky)) return ShownIdentity(*kept, atlas, shown);
  return TypedPlaceIdentity(atlas, sky.longitude, sky.latitude);
}

}  // namespace sternwerk
