// The place kept between runs: the name, time zone and exact coordinates of
// the last place, which ALT.DAT keeps only as coordinates in whole minutes;
// the store that keeps it, and how it pairs with ALT.DAT's coordinates.
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

// Where the clock keeps its place between runs (the user's settings in the
// program).
class KeptPlaceStore {
 public:
  virtual ~KeptPlaceStore() = default;
  // The place saved last; none when none was.
  virtual std::optional<KeptPlace> Load() const = 0;
  virtual void Save(const KeptPlace& place) = 0;
};

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
