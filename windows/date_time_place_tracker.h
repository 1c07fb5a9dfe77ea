// Which place the date/time/place dialog's coordinates belong to: a known
// place (the one the dialog opened on, or one chosen by name) while the
// fields show its coordinates to the minute, with its exact coordinates;
// else a typed place, named after the atlas's nearest zone.
#pragma once

#include <optional>

#include "places/place_atlas.h"
#include "places/place_identity.h"
#include "windows/date_time_fields.h"

namespace sternwerk {

// A place with its coordinates in degrees and in whole signed minutes.
struct KnownPlace {
  PlaceIdentity identity;
  double longitude = 0;
  double latitude = 0;
  long longitudeMinutes = 0;
  long latitudeMinutes = 0;

  // The place at these coordinates, its whole minutes counted.
  static KnownPlace At(PlaceIdentity identity, double longitude, double latitude);
};

class PlaceTracker {
 public:
  // atlas: the zones of typed places; none: typed places have no zone.
  explicit PlaceTracker(const PlaceAtlas* atlas) : atlas_(atlas) {}

  // The opening or a chosen place, known until Forget.
  void Know(KnownPlace place) { known_ = std::move(place); }
  // A coordinate field was edited: the fields hold a typed place.
  void Forget() { known_.reset(); }
  const std::optional<KnownPlace>& Known() const { return known_; }

  // The place the place fields hold: the known place while they show it,
  // else a typed place; none while a group is not a valid place.
  std::optional<KnownPlace> FieldsPlace(const FieldTexts& texts) const;
  // The coordinate to commit for a valid group, named by its sign field:
  // the known place's exact one while the group shows it.
  double CommittedValue(const PlaceGroup& group, DateField sign) const;
  // What committed coordinates belong to: the known place where they are
  // exactly its own, else a typed place.
  PlaceIdentity IdentityAt(double longitude, double latitude) const;

 private:
  // The identity of a typed place at these coordinates.
  const PlaceIdentity& TypedIdentity(long longitudeMinutes, long latitudeMinutes, double longitude,
                                     double latitude) const;

  const PlaceAtlas* atlas_;
  std::optional<KnownPlace> known_;
  mutable std::optional<KnownPlace> lastTyped_;  // the last typed place looked up
};

}  // namespace sternwerk
