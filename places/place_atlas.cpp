#include "places/place_atlas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/arithmetic.h"
#include "places/place_name_folding.h"

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

// How the text matched, where a word of a folded name begins with it:
// `rest` is the name from that word on.
NameMatch MatchFrom(std::string_view rest, bool nameStart, std::string_view text) {
  if (rest.size() > text.size() && rest[text.size()] != ' ') return NameMatch::kWordStart;
  return nameStart && rest.size() == text.size() ? NameMatch::kWholeName : NameMatch::kWholeWords;
}

}  // namespace

PlaceAtlas::PlaceAtlas(std::vector<AtlasPlace> places) : places_(std::move(places)) {
  for (std::uint32_t index = 0; index < places_.size(); ++index) {
    const AtlasPlace& place = places_[index];
    for (const std::string* name : {&place.name, &place.germanName}) {
      for (const Folding folding : {Folding::kPlain, Folding::kTransliterated}) {
        std::string folded = FoldPlaceName(*name, folding);
        if (!folded.empty()) names_.push_back({std::move(folded), index, name == &place.name});
      }
    }
  }
  // One folded name per text and place, the English one where both names
  // fold alike.
  std::sort(names_.begin(), names_.end(), [](const FoldedName& a, const FoldedName& b) {
    if (a.place != b.place) return a.place < b.place;
    return a.text != b.text ? a.text < b.text : a.english > b.english;
  });
  names_.erase(std::unique(names_.begin(), names_.end(),
                           [](const FoldedName& a, const FoldedName& b) {
                             return a.place == b.place && a.text == b.text;
                           }),
               names_.end());

  for (std::uint32_t name = 0; name < names_.size(); ++name) {
    const std::string& text = names_[name].text;
    words_.push_back({name, 0});
    for (std::size_t blank = text.find(' '); blank != std::string::npos;
         blank = text.find(' ', blank + 1)) {
      words_.push_back({name, static_cast<std::uint32_t>(blank + 1)});
    }
    heldCharacters_ += CharactersBeyondAscii(text);
  }
  std::sort(words_.begin(), words_.end(), [this](const WordStart& a, const WordStart& b) {
    const std::string_view textA = TextFrom(a);
    const std::string_view textB = TextFrom(b);
    return textA != textB ? textA < textB : a.name < b.name;
  });
  std::sort(heldCharacters_.begin(), heldCharacters_.end());
  heldCharacters_.erase(std::unique(heldCharacters_.begin(), heldCharacters_.end()),
                        heldCharacters_.end());
}

std::string_view PlaceAtlas::TextFrom(const WordStart& word) const {
  return std::string_view(names_[word.name].text).substr(word.at);
}

PlaceSearch PlaceAtlas::Search(std::string_view typed, std::size_t limit, Language shown) const {
  PlaceSearch search;
  const std::string text = FoldPlaceName(typed);
  if (text.empty()) return search;
  for (const char32_t character : CharactersBeyondAscii(text)) {
    if (!std::binary_search(heldCharacters_.begin(), heldCharacters_.end(), character)) {
      search.foreignScript = true;
      return search;
    }
  }

  struct Match {
    std::uint32_t place;
    NameMatch match;
    bool byOtherLanguage;  // found only by a name in the language not shown

    auto Quality() const { return std::pair(match, byOtherLanguage); }
  };
  const bool englishFirst = shown == Language::kEnglish;
  std::vector<Match> matches;
  auto word = std::lower_bound(
      words_.begin(), words_.end(), text,
      [this](const WordStart& entry, std::string_view wanted) { return TextFrom(entry) < wanted; });
  for (; word != words_.end() && TextFrom(*word).starts_with(text); ++word) {
    const FoldedName& name = names_[word->name];
    matches.push_back({name.place, MatchFrom(TextFrom(*word), word->at == 0, text),
                       englishFirst && !name.english});
  }

  // A place found by several of its names or words counts once, with the
  // best of what they found.
  std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
    return a.place != b.place ? a.place < b.place : a.Quality() < b.Quality();
  });
  matches.erase(std::unique(matches.begin(), matches.end(),
                            [](const Match& a, const Match& b) { return a.place == b.place; }),
                matches.end());
  const auto better = [this](const Match& a, const Match& b) {
    if (a.Quality() != b.Quality()) return a.Quality() < b.Quality();
    const std::uint32_t populationA = places_[a.place].population;
    const std::uint32_t populationB = places_[b.place].population;
    return populationA != populationB ? populationA > populationB : a.place < b.place;
  };
  const std::size_t listed = std::min(limit, matches.size());
  std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(listed),
                    matches.end(), better);
  for (std::size_t i = 0; i < listed; ++i)
    search.found.push_back({&places_[matches[i].place], matches[i].match});
  return search;
}

std::vector<const AtlasPlace*> PlaceAtlas::Find(std::string_view typed, std::size_t limit,
                                                Language shown) const {
  std::vector<const AtlasPlace*> places;
  for (const FoundPlace& found : Search(typed, limit, shown).found) places.push_back(found.place);
  return places;
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
