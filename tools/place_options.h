// The options that name the place of a command and how its time is read:
// "--place TEXT" instead of longitude and latitude, "--local" for the
// place's local civil time instead of Universal Time, "--saved NAME" for
// the instant and place of a saved chart, read from the collection that
// "--collection FILE" names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"

namespace sternwerk {

struct PlaceOptions {
  std::optional<std::string> name;        // --place TEXT: the atlas's best match
  bool local = false;                     // --local: date and time are the place's civil time
  std::optional<std::string> saved;       // --saved NAME: a chart of the collection
  std::optional<std::string> collection;  // --collection FILE: the collection's file

  // Whether --place or --local is given.
  bool any() const { return name.has_value() || local; }
};

// Takes "--place TEXT", "--local", "--saved NAME" and "--collection FILE"
// out of `args`, wherever they stand, leaving the other arguments in their
// order. Refused: an option without its text or given twice, a place or
// chart name that is not UTF-8, --place together with --saved.
Outcome<PlaceOptions> TakePlaceOptions(std::vector<std::string>& args);

// Success for UTF-8 text; else a failure naming the first bad byte and
// where it is, without repeating the bytes themselves.
Status RequireUtf8(std::string_view text, std::string_view what);

}  // namespace sternwerk
