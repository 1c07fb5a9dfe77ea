// The name and time zone of the last place, kept between runs in the user's
// settings (QSettings) with the exact coordinates they belong to: ALT.DAT
// keeps only the coordinates in whole minutes, in its four lines.
#pragma once

#include <optional>

#include "clock/kept_place.h"

namespace sternwerk {

// The place saved last; none when none was.
std::optional<KeptPlace> LoadKeptPlace();
void SaveKeptPlace(const KeptPlace& place);

}  // namespace sternwerk
