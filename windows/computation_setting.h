// The user's choices of computation, of the kind of rise and set and of
// the time shown first, kept between runs in the user's settings
// (QSettings), apart from ALT.DAT and its four lines.
#pragma once

#include <optional>

#include "engine/computation_mode.h"

namespace sternwerk {

// The choice last saved; the own computation when none was.
ComputationMode LoadComputationMode();
void SaveComputationMode(ComputationMode mode);

// Whether rise, set and culmination are searched as an almanac gives them;
// false when never saved.
bool LoadHorizonSearch();
void SaveHorizonSearch(bool atHorizon);

// Whether the place's local time is shown first and typed in the
// date/time/place dialog ("Ortszeit"); false when never saved.
bool LoadLocalTimeFirst();
void SaveLocalTimeFirst(bool localFirst);

// The answer to the start question about the factor set (true: all 22
// factors) when the user asked not to be asked again; else none.
std::optional<bool> LoadFactorSetAnswer();
void SaveFactorSetAnswer(std::optional<bool> transplutonian);

}  // namespace sternwerk
