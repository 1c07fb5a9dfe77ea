// The atlas from the GeoNames cities that Debian's libgeonames carries
// (places of 15,000 inhabitants or more), with the German names of its
// German catalogue.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "places/place_atlas.h"

namespace sternwerk {

// Where libgeonames-common installs the German names, keyed by GeoNames id
// (cities), country code ("DE") and region code ("DE.02").
inline const std::filesystem::path kGermanPlaceCatalogue =
    "/usr/share/locale/de/LC_MESSAGES/geonames.mo";

struct LoadedAtlas {
  std::vector<AtlasPlace> places;
  // Empty, or why the German names are missing (the catalogue cannot be
  // read); the English names are there all the same.
  std::string germanNamesMissing;
};

// Every city of the library, German names from `germanCatalogue`.
LoadedAtlas LoadGeoNamesAtlas(const std::filesystem::path& germanCatalogue = kGermanPlaceCatalogue);

}  // namespace sternwerk
