#include "places/qt/geonames_atlas.h"

#include <geonames.h>

#include "base/message_catalogue.h"

namespace sternwerk {
namespace {

// The library hands each city as a GVariant of this type: GeoNames id,
// name, region code, region, country code, country, time zone, population,
// latitude, longitude. The id and the region code are read from it
// directly, as the library has no getters for them; so are the names, as
// its getters translate them into the language of the process's locale
// (on a German desktop "Munich" would be lost for "München").
constexpr const char* kCityType = "(sssssssudd)";
constexpr gsize kIdField = 0;
constexpr gsize kNameField = 1;
constexpr gsize kRegionCodeField = 2;
constexpr gsize kRegionField = 3;
constexpr gsize kCountryField = 5;

std::string Field(GeonamesCity* city, gsize field) {
  GVariant* child = g_variant_get_child_value(city, field);
  std::string text = g_variant_get_string(child, nullptr);
  g_variant_unref(child);
  return text;
}

std::string Translated(const MessageCatalogue& german, const std::string& key) {
  const auto entry = german.find(key);
  return entry == german.end() ? std::string() : entry->second;
}

}  // namespace

LoadedAtlas LoadGeoNamesAtlas(const std::filesystem::path& germanCatalogue) {
  LoadedAtlas atlas;
  Outcome<MessageCatalogue> catalogue = ReadMessageCatalogue(germanCatalogue);
  const MessageCatalogue german =
      catalogue.ok() ? std::move(catalogue).value() : MessageCatalogue{};
  if (!catalogue.ok()) atlas.germanNamesMissing = catalogue.error();

  const gint count = geonames_get_n_cities();
  atlas.places.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (gint index = 0; index < count; ++index) {
    GeonamesCity* city = geonames_get_city(index);
    if (city == nullptr) continue;
    AtlasPlace place;
    place.timeZone = geonames_city_get_timezone(city);
    place.latitude = geonames_city_get_latitude(city);
    place.longitude = geonames_city_get_longitude(city);
    place.population = geonames_city_get_population(city);
    if (g_variant_is_of_type(city, G_VARIANT_TYPE(kCityType))) {
      place.name = Field(city, kNameField);
      place.region = Field(city, kRegionField);
      place.country = Field(city, kCountryField);
      const std::string countryCode = geonames_city_get_country_code(city);
      place.germanName = Translated(german, Field(city, kIdField));
      place.germanRegion = Translated(german, countryCode + "." + Field(city, kRegionCodeField));
      place.germanCountry = Translated(german, countryCode);
    } else {
      place.name = geonames_city_get_name(city);
      place.region = geonames_city_get_state(city);
      place.country = geonames_city_get_country(city);
    }
    geonames_city_free(city);
    atlas.places.push_back(std::move(place));
  }
  return atlas;
}

}  // namespace sternwerk
