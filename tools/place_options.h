// The options that name the place of a command and how its time is read:
// "--place TEXT" instead of longitude and latitude, "--local" for the
// place's local civil time instead of Universal Time.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"

namespace sternwerk {

struct PlaceOptions {
  std::optional<std::string> name;  // --place TEXT: the atlas's best match
  bool local = false;               // --local: date and time are the place's civil time

  bool any() const { return name.has_value() || local; }
};

// Takes "--place TEXT" and "--local" out of `args`, wherever they stand,
// leaving the other arguments in their order. Refused: "--place" without
// its text or given twice, a place name that is not UTF-8.
Outcome<PlaceOptions> TakePlaceOptions(std::vector<std::string>& args);

// Success for UTF-8 text; else a failure naming the first bad byte and
// where it is, without repeating the bytes themselves.
Status RequireUtf8(std::string_view text, std::string_view what);

}  // namespace sternwerk
