// The date, time and place texts as the state file and the dialogs keep
// them ("dd.mm.yyyy", "hh.mm.ss", "+ddd°mm'", "+dd°mm'"), read by fixed
// character positions, and the instant and place taken from them. Texts of
// any length and content are safe: a missing or non-numeric field counts as 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/sky_state.h"

namespace sternwerk {

// Added to every place (degrees) and time (hours) set from whole degrees or
// hours and minutes, typed or read from a text. minutes / 60 is seldom exact
// in binary and may fall a hair below the value meant, and the forms that
// show places and times truncate: without the offset 50°30' could come back
// as 50°29'. 0.0001 (0.36" of arc, 0.36 s) stays below what they show. A
// place on the Greenwich meridian is thus 0.0001 east; the clock window's
// bound of 0.0002 counts it with the west.
inline constexpr double kEnteredOffset = 0.0001;

// The number of the leading digits of characters first..last (counted from
// 1) of a text; 0 when there are none.
int FixedField(std::string_view text, std::size_t first, std::size_t last);

// degrees (or hours) + minutes / 60 + kEnteredOffset, negated when negative.
double EnteredValue(bool negative, std::int64_t whole, std::int64_t minutes);

// day, month, year from dateText ("dd.mm.yyyy") and hours from timeText
// ("hh?mm?ss", any separators): hours + minutes / 60 + seconds / 3600.
void SetInstantFromTexts(SkyState& sky);

// isWest, longitude, isSouth, latitude from longitudeText ("+ddd°mm'") and
// latitudeText ("+dd°mm'"): EnteredValue of the degrees and minutes, negative
// when the text begins with "-".
void SetPlaceFromTexts(SkyState& sky);

// The place of a run without a state file: 10° east, 50° north exactly.
void SetDefaultPlace(SkyState& sky);

// Takes the instant (date, hours and their texts) or the place
// (coordinates, their signs and texts) of `from` into `sky`; nothing
// computed is touched.
void TakeInstant(SkyState& sky, const SkyState& from);
void TakePlace(SkyState& sky, const SkyState& from);

// The place line built from the texts themselves, e.g. "008°30' W, 47°15' N":
// characters 2-8 of longitudeText, " W, " or " E, " by isWest, characters 2-7
// of latitudeText, " S" or " N" by isSouth. Windows-1252.
std::string PlaceLabelFromTexts(const SkyState& sky);

}  // namespace sternwerk
