#include "windows/date_time_place_tracker.h"

#include <utility>

namespace sternwerk {

KnownPlace KnownPlace::At(PlaceIdentity identity, double longitude, double latitude) {
  return {std::move(identity), longitude, latitude, WholeMinutes(longitude),
          WholeMinutes(latitude)};
}

std::optional<KnownPlace> PlaceTracker::FieldsPlace(const FieldTexts& texts) const {
  const auto longitude = ReadPlaceGroup(texts, DateField::kLongitudeSign);
  const auto latitude = ReadPlaceGroup(texts, DateField::kLatitudeSign);
  if (!longitude || !latitude) return std::nullopt;
  if (known_ && known_->longitudeMinutes == longitude->minutes &&
      known_->latitudeMinutes == latitude->minutes) {
    return known_;
  }
  return KnownPlace{
      TypedIdentity(longitude->minutes, latitude->minutes, longitude->degrees, latitude->degrees),
      longitude->degrees, latitude->degrees, longitude->minutes, latitude->minutes};
}

double PlaceTracker::CommittedValue(const PlaceGroup& group, DateField sign) const {
  const bool longitude = sign == DateField::kLongitudeSign;
  if (known_ && (longitude ? known_->longitudeMinutes : known_->latitudeMinutes) == group.minutes) {
    return longitude ? known_->longitude : known_->latitude;
  }
  return group.degrees;
}

PlaceIdentity PlaceTracker::IdentityAt(double longitude, double latitude) const {
  if (known_ && known_->longitude == longitude && known_->latitude == latitude) {
    return known_->identity;
  }
  return TypedIdentity(WholeMinutes(longitude), WholeMinutes(latitude), longitude, latitude);
}

const PlaceIdentity& PlaceTracker::TypedIdentity(long longitudeMinutes, long latitudeMinutes,
                                                 double longitude, double latitude) const {
  // The nearest place is looked up once per typed coordinates, not again at
  // each keystroke that leaves them as they are.
  if (!lastTyped_ || lastTyped_->longitudeMinutes != longitudeMinutes ||
      lastTyped_->latitudeMinutes != latitudeMinutes) {
    lastTyped_ = KnownPlace{
        atlas_ != nullptr ? TypedPlaceIdentity(*atlas_, longitude, latitude) : PlaceIdentity{},
        longitude, latitude, longitudeMinutes, latitudeMinutes};
  }
  return lastTyped_->identity;
}

}  // namespace sternwerk
