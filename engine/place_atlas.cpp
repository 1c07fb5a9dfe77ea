#include "engine/place_atlas.h"

#include <algorithm>
#include <cmath>

#include "engine/arithmetic.h"
#include "engine/place_name_folding.h"

namespace sternwerk {
namespace {

constexpr double kEarthRadiusKm = 6371.0;

// Great-circle distance in kilometres (haversine formula).
double DistanceKm(double longitude1, double latitude1, double longitude2, double latitude2) {
  const double halfLatitude = DegToRad(latitude2 - latitude1) / 2;
  const double halfLongitude = DegToRad(longitude2 - longitude1) / 2;
  const double chord = std::sin(halfLatitude) * std::sin(halfLatitude) +
                       std::cos(DegToRad(latitude1)) * std::cos(DegToRad(latitude2)) *
                           std::sin(halfLongitude) * std::sin(halfLongitude);
  return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(chord)));
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

PlaceAtlas::PlaceAtlas(std::vector<AtlasPlace> places) : places_(std::move(places)) {
  for (std::uint32_t index = 0; index < places_.size(); ++index) {
    const AtlasPlace& place = places_[index];
    for (const std::string* name : {&place.name, &place.germanName}) {
      if (name->empty()) continue;
      for (const Folding folding : {Folding::kPlain, Folding::kTransliterated})
        keys_.push_back({FoldPlaceName(*name, folding), index, name == &place.name});
    }
  }
  // One key per folded name and place, the English one where both names
  // fold alike.
  std::sort(keys_.begin(), keys_.end(), [](const NameKey& a, const NameKey& b) {
    if (a.folded != b.folded) return a.folded < b.folded;
    return a.place != b.place ? a.place < b.place : a.english > b.english;
  });
  keys_.erase(std::unique(keys_.begin(), keys_.end(),
                          [](const NameKey& a, const NameKey& b) {
                            return a.folded == b.folded && a.place == b.place;
                          }),
              keys_.end());
}

std::vector<const AtlasPlace*> PlaceAtlas::Find(std::string_view typed, std::size_t limit,
                                                Language shown) const {
  const std::string prefix = FoldPlaceName(typed);
  if (IsBlank(prefix)) return {};
  struct Match {
    std::uint32_t place;
    bool exact;
    bool byEnglishName;
  };
  std::vector<Match> matches;
  auto key = std::lower_bound(
      keys_.begin(), keys_.end(), prefix,
      [](const NameKey& entry, const std::string& wanted) { return entry.folded < wanted; });
  for (; key != keys_.end() && key->folded.starts_with(prefix); ++key)
    matches.push_back({key->place, key->folded == prefix, key->english});

  // A place found by several of its names counts once, with the best of
  // what they found.
  std::sort(matches.begin(), matches.end(),
            [](const Match& a, const Match& b) { return a.place < b.place; });
  std::vector<Match> places;
  for (const Match& match : matches) {
    if (places.empty() || places.back().place != match.place) {
      places.push_back(match);
    } else {
      places.back().exact |= match.exact;
      places.back().byEnglishName |= match.byEnglishName;
    }
  }
  const bool englishFirst = shown == Language::kEnglish;
  const auto better = [this, englishFirst](const Match& a, const Match& b) {
    if (a.exact != b.exact) return a.exact;
    if (englishFirst && a.byEnglishName != b.byEnglishName) return a.byEnglishName;
    const std::uint32_t populationA = places_[a.place].population;
    const std::uint32_t populationB = places_[b.place].population;
    return populationA != populationB ? populationA > populationB : a.place < b.place;
  };
  const std::size_t listed = std::min(limit, places.size());
  std::partial_sort(places.begin(), places.begin() + static_cast<std::ptrdiff_t>(listed),
                    places.end(), better);
  std::vector<const AtlasPlace*> found;
  for (std::size_t i = 0; i < listed; ++i) found.push_back(&places_[places[i].place]);
  return found;
}

const AtlasPlace* PlaceAtlas::Nearest(double longitude, double latitude, double withinKm) const {
  const AtlasPlace* nearest = nullptr;
  double nearestKm = withinKm;
  for (const AtlasPlace& place : places_) {
    const double km = DistanceKm(longitude, latitude, place.longitude, place.latitude);
    if (km <= nearestKm) {
      nearest = &place;
      nearestKm = km;
    }
  }
  return nearest;
}

}  // namespace sternwerk
