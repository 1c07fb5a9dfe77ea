// The atlas of named places: finding a place by the first letters of its
// name in German or English, and the nearest named place to a point.
// Where the places come from (the GeoNames cities, a test's fixture) is the
// caller's affair.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/language.h"

namespace sternwerk {

// One place; texts UTF-8. The German texts are empty where the German
// catalogue has none; what a place is shown as takes them first.
struct AtlasPlace {
  std::string name;  // English (GeoNames) name
  std::string germanName;
  std::string region;  // first-order administrative division
  std::string germanRegion;
  std::string country;
  std::string germanCountry;
  std::string timeZone;  // IANA id, e.g. "Europe/Berlin"
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  std::uint32_t population = 0;
};

class PlaceAtlas {
 public:
  explicit PlaceAtlas(std::vector<AtlasPlace> places);

  std::size_t size() const { return places_.size(); }

  // The places whose German or English name begins with `typed`, folded as
  // FoldPlaceName folds both (case, accents, umlauts typed as "ue" or "u"):
  // the places whose name is `typed` itself first, then by population, at
  // most `limit`. In English, where places are shown by their English names,
  // those found by them come before those found only by a German name.
  // An empty or blank `typed` finds nothing.
  std::vector<const AtlasPlace*> Find(std::string_view typed, std::size_t limit,
                                      Language shown = Language::kGerman) const;

  // The place nearest to the point on the sphere, if one lies within
  // `withinKm` kilometres; else nullptr.
  const AtlasPlace* Nearest(double longitude, double latitude, double withinKm) const;

 private:
  struct NameKey {
    std::string folded;
    std::uint32_t place;
    bool english;  // a folding of the English name
  };
  std::vector<AtlasPlace> places_;
  std::vector<NameKey> keys_;  // sorted by folded name
};

}  // namespace sternwerk
