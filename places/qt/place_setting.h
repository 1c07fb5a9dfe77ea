// The kept place (KeptPlace) in the user's settings (QSettings), between
// runs.
#pragma once

#include <optional>

#include "places/kept_place.h"

namespace sternwerk {

// The place saved last; none when none was.
std::optional<KeptPlace> LoadKeptPlace();
void SaveKeptPlace(const KeptPlace& place);

}  // namespace sternwerk
