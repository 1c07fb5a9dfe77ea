// The name and time zone of the last place, kept between runs in the user's
// settings (QSettings) with the exact coordinates they belong to: ALT.DAT
// keeps only the coordinates in whole minutes, in its four lines.
#pragma once

#include <optional>

#include "engine/sky_state.h"
#include "places/place_atlas.h"
#include "places/place_identity.h"

namespace sternwerk {

struct KeptPlace {
  PlaceIdentity identity;
  double longitude = 0;  // degrees, east and north positive
  double latitude = 0;
};

// The place saved last; none when none was.
std::optional<KeptPlace> LoadKeptPlace();
void SaveKeptPlace(const KeptPlace& place);

// The kept coordinates for the sky's where they are the same to the minute:
// ALT.DAT keeps whole minutes, the kept place a chosen place's exact ones.
void TakeKeptCoordinates(const std::optional<KeptPlace>& kept, SkyState& sky);

// The identity of the sky's place: the kept one where the kept coordinates
// are the sky's to the minute, else that of a place typed by its
// coordinates. A kept atlas place is named in `shown`, whatever language it
// was kept in.
PlaceIdentity IdentityForSkyPlace(const std::optional<KeptPlace>& kept, const SkyState& sky,
                                  const PlaceAtlas& atlas, Language shown);

}  // namespace sternwerk
