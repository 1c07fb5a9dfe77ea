// sternwerk-sky --places: the atlas's places whose name or a word of it
// begins with a text; --place: the place a text names.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "places/place_atlas.h"
#include "tools/located_sky.h"
#include "tools/tool_result.h"

namespace sternwerk {

inline constexpr std::size_t kPlacesListed = 20;

// The matches for `typed`, best first, at most kPlacesListed, one line each
// (UTF-8, tab-separated): name, region, country, latitude and longitude
// (decimal degrees, north and east positive, five decimals), time zone id;
// German names where the atlas has them.
std::vector<std::string> PlaceListLines(const PlaceAtlas& atlas, std::string_view typed);

// The arguments after "--places": one text. Writes its lines, or ends
// saying that no place matches (kExitNotFound).
ToolResult ListPlaces(const std::vector<std::string>& args, std::ostream& out);

// The place "--place TEXT" takes: the best match of the place search, or
// the refusal saying why there is none (kExitNotFound). Where other places
// matched as well (the same NameMatch), `warnings` is told which place was
// taken and that --places TEXT lists the others.
ToolOutcome<const AtlasPlace*> PlaceNamed(const PlaceAtlas& atlas, std::string_view typed,
                                          std::ostream& warnings);

}  // namespace sternwerk
