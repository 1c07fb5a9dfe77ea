// The last place chosen, kept between runs with the exact coordinates its
// name and time zone belong to (the state file keeps only the coordinates
// in whole minutes), and how it is paired with the sky's place.
#pragma once

#include <optional>

#include "base/language.h"
#include "engine/sky_state.h"
#include "places/place_atlas.h"
#include "places/place_identity.h"

namespace sternwerk {

struct KeptPlace {
  PlaceIdentity identity;
  double longitude = 0;  // degrees, east and north positive
  double latitude = 0;
};

// The kept coordinates for the sky's where they are the same to the minute:
// the state file keeps whole minutes, the kept place a chosen place's exact
// ones.
void TakeKeptCoordinates(const std::optional<KeptPlace>& kept, SkyState& sky);

// The identity of the sky's place: the kept one where the kept coordinates
// are the sky's to the minute, else that of a place typed by its
// coordinates. A kept atlas place is named in `shown`, whatever language it
// was kept in.
PlaceIdentity IdentityForSkyPlace(const std::optional<KeptPlace>& kept, const SkyState& sky,
                                  const PlaceAtlas& atlas, Language shown);

}  // namespace sternwerk
