// sternwerk-sky --places: the atlas's places whose name begins with a text.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"
#include "engine/place_atlas.h"

namespace sternwerk {

inline constexpr std::size_t kPlacesListed = 20;

// The matches for `typed`, best first, at most kPlacesListed, one line each
// (UTF-8, tab-separated): name, region, country, latitude and longitude
// (decimal degrees, north and east positive, five decimals), time zone id;
// German names where the atlas has them.
std::vector<std::string> PlaceListLines(const PlaceAtlas& atlas, std::string_view typed);

// The arguments after "--places": one text. Writes its lines and gives 0,
// or says on standard error that no place matches and gives 1.
Outcome<int> ListPlaces(const std::vector<std::string>& args, std::ostream& out);

}  // namespace sternwerk
