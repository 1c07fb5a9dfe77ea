#include "places/qt/place_setting.h"

#include <QSettings>
#include <QString>

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

std::string Utf8Value(const QSettings& settings, const char* key) {
  return settings.value(key).toString().toStdString();
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

}  // namespace sternwerk
