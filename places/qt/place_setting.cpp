#include "places/qt/place_setting.h"

#include <QSettings>
#include <QString>
#include <cmath>

#include "platform/settings_file.h"

namespace sternwerk {
namespace {

constexpr const char* kGroup = "ort";
constexpr const char* kNameKey = "name";
constexpr const char* kRegionKey = "region";
constexpr const char* kCountryKey = "land";
constexpr const char* kZoneKey = "zeitzone";
constexpr const char* kLongitudeKey = "laenge";
constexpr const char* kLatitudeKey = "breite";
constexpr double kMinutesPerDegree = 60;
// Kept coordinates are an atlas place's, or earlier its rounded to the
// minute, which moved them by less than a minute of arc of latitude, 1.85 km.
constexpr double kKeptPlaceKm = 2.0;

bool SameMinute(double a, double b) {
  return std::llround(a * kMinutesPerDegree) == std::llround(b * kMinutesPerDegree);
}

std::string Utf8Value(const QSettings& settings, const char* key) {
  return settings.value(key).toString().toStdString();
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

std::optional<KeptPlace> LoadKeptPlace() {
  QSettings settings(kSettingsOrganization, kSettingsApplication);
  settings.beginGroup(kGroup);
  const QVariant longitude = settings.value(kLongitudeKey);
  const QVariant latitude = settings.value(kLatitudeKey);
  if (!longitude.isValid() || !latitude.isValid()) return std::nullopt;
  KeptPlace place;
  place.identity.name = Utf8Value(settings, kNameKey);
  place.identity.region = Utf8Value(settings, kRegionKey);
  place.identity.country = Utf8Value(settings, kCountryKey);
  place.identity.timeZone = Utf8Value(settings, kZoneKey);
  place.longitude = longitude.toDouble();
  place.latitude = latitude.toDouble();
  return place;
}

void SaveKeptPlace(const KeptPlace& place) {
  QSettings settings(kSettingsOrganization, kSettingsApplication);
  settings.beginGroup(kGroup);
  settings.setValue(kNameKey, QString::fromStdString(place.identity.name));
  settings.setValue(kRegionKey, QString::fromStdString(place.identity.region));
  settings.setValue(kCountryKey, QString::fromStdString(place.identity.country));
  settings.setValue(kZoneKey, QString::fromStdString(place.identity.timeZone));
  settings.setValue(kLongitudeKey, place.longitude);
  settings.setValue(kLatitudeKey, place.latitude);
}

void TakeKeptCoordinates(const std::optional<KeptPlace>& kept, SkyState& sky) {
  if (!kept || !SameMinute(kept->longitude, sky.longitude) ||
      !SameMinute(kept->latitude, sky.latitude)) {
    return;
  }
  sky.longitude = kept->longitude;
  sky.latitude = kept->latitude;
}

PlaceIdentity IdentityForSkyPlace(const std::optional<KeptPlace>& kept, const SkyState& sky,
                                  const PlaceAtlas& atlas, Language shown) {
  if (kept && SameMinute(kept->longitude, sky.longitude) &&
      SameMinute(kept->latitude, sky.latitude)) {
    return ShownIdentity(*kept, atlas, shown);
  }
  return TypedPlaceIdentity(atlas, sky.longitude, sky.latitude);
}

}  // namespace sternwerk
