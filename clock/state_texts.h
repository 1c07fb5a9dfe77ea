// The instant and the place taken from their texts (date, time, longitude and
// latitude texts as the state file holds them), read by fixed character
// positions. Texts of any length and content are safe: a missing or
// non-numeric field counts as 0.
#pragma once

#include <string>

#include "engine/sky_state.h"

namespace sternwerk {

// Degrees added to every place set from degrees and minutes.
inline constexpr double kPlaceOffsetDegrees = 0.0001;

// day, month, year from dateText ("dd.mm.yyyy") and hours from timeText
// ("hh?mm?ss", any separators): hours + minutes / 60 + seconds / 3600.
void SetInstantFromTexts(SkyState& sky);

// isWest, longitude, isSouth, latitude from longitudeText ("+ddd°mm'") and
// latitudeText ("+dd°mm'"): degrees + minutes / 60 + 0.0001, negated when the
// text begins with "-".
void SetPlaceFromTexts(SkyState& sky);

// The place of a run without a state file: 10° east, 50° north exactly.
void SetDefaultPlace(SkyState& sky);

// The place line built from the texts themselves, e.g. "008°30' W, 47°15' N":
// characters 2-8 of longitudeText, " W, " or " E, " by isWest, characters 2-7
// of latitudeText, " S" or " N" by isSouth. Windows-1252.
std::string PlaceLabelFromTexts(const SkyState& sky);

}  // namespace sternwerk
