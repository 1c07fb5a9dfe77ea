// The atlas of named places: finding a place by the first letters of its
// name or of a word of it, in German or English, and the nearest named
// place to a point.
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

// How well a place's name matched the text typed, best first. Words are
// what FoldPlaceName parts.
enum class NameMatch : std::uint8_t {
  kWholeName,   // the name is the text
  kWholeWords,  // whole words of the name are the text ("Wittenberg" in
                // "Lutherstadt Wittenberg", "Frankfurt" in "Frankfurt am Main")
  kWordStart,   // the name or a later word of it begins with the text
};

struct FoundPlace {
  const AtlasPlace* place;
  NameMatch match;  // the best of its names
};

struct PlaceSearch {
  std::vector<FoundPlace> found;  // best first
  // The text holds characters that no name of the atlas holds (a script
  // other than the Latin letters its names are written in): nothing found.
  bool foreignScript = false;
};

class PlaceAtlas {
 public:
  explicit PlaceAtlas(std::vector<AtlasPlace> places);

  std::size_t size() const { return places_.size(); }

  // The places whose German or English name, or a word of it, begins with
  // `typed`, both folded by FoldPlaceName (case, accents, umlauts typed as
  // "ue" or "u", blanks and hyphens between words): the best match first
  // (NameMatch), then the larger place, at most `limit`. In English, where
  // places are shown by their English names, those found by them come
  // before those of the same match found only by a German name. A text of
  // nothing but blanks finds nothing.
  PlaceSearch Search(std::string_view typed, std::size_t limit,
                     Language shown = Language::kGerman) const;

  // The places of Search.
  std::vector<const AtlasPlace*> Find(std::string_view typed, std::size_t limit,
                                      Language shown = Language::kGerman) const;

  // The place nearest to the point on the sphere, if one lies within
  // `withinKm` kilometres; else nullptr.
  const AtlasPlace* Nearest(double longitude, double latitude, double withinKm) const;

 private:
  // A folded name of a place: its English or German name in one folding.
  struct FoldedName {
    std::string text;
    std::uint32_t place;
    bool english;  // a folding of the English name
  };
  // Where a word of a folded name begins; the index is sorted by the text
  // from there to the name's end.
  struct WordStart {
    std::uint32_t name;
    std::uint32_t at;
  };
  std::string_view TextFrom(const WordStart& word) const;

  std::vector<AtlasPlace> places_;
  std::vector<FoldedName> names_;
  std::vector<WordStart> words_;
  std::u32string heldCharacters_;  // sorted: those beyond ASCII the names hold
};

}  // namespace sternwerk
