// A small atlas of real places for the window and tool tests: each with the
// coordinates and time zone GeoNames gives it.
#pragma once

#include <string>

#include "engine/sky_state.h"
#include "places/place_atlas.h"

namespace sternwerk {

inline AtlasPlace FixturePlace(std::string name, std::string germanName, std::string region,
                               std::string country, std::string timeZone, double longitude,
                               double latitude, std::uint32_t population) {
  AtlasPlace place;
  place.name = std::move(name);
  place.germanName = std::move(germanName);
  place.region = std::move(region);
  place.country = std::move(country);
  place.germanCountry = place.country == "Germany" ? "Deutschland" : "";
  place.timeZone = std::move(timeZone);
  place.longitude = longitude;
  place.latitude = latitude;
  place.population = population;
  return place;
}

inline PlaceAtlas FixtureAtlas() {
  return PlaceAtlas({
      FixturePlace("Berlin", "", "Berlin", "Germany", "Europe/Berlin", 13.41053, 52.52437, 3426354),
      FixturePlace("Munich", "München", "Bavaria", "Germany", "Europe/Berlin", 11.57549, 48.13743,
                   1260391),
      FixturePlace("Ulm", "", "Baden-Württemberg", "Germany", "Europe/Berlin", 9.99155, 48.39841,
                   126329),
      FixturePlace("Paris", "", "Île-de-France", "France", "Europe/Paris", 2.3488, 48.85341,
                   2138551),
      FixturePlace("New York City", "", "New York", "United States", "America/New_York", -74.00597,
                   40.71427, 8804190),
      FixturePlace("Sydney", "", "New South Wales", "Australia", "Australia/Sydney", 151.20732,
                   -33.86785, 4627345),
  });
}

// 07.12.2026 09:30 UT at Berlin as the place search fills the fields: its
// 13.41053° E, 52.52437° N in whole minutes.
inline SkyState SkyAtChosenBerlin() {
  SkyState sky;
  sky.dateText = "07.12.2026";
  sky.timeText = "09:30:00";
  sky.hours = 9.5;
  sky.longitudeText =
      "+013\xB0"
      "25'";
  sky.latitudeText =
      "+52\xB0"
      "31'";
  return sky;
}

}  // namespace sternwerk
