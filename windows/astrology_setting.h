// The astrologer's choices (houses and aspects shown, the house system, the
// orbs) kept between runs in the user's settings, beside the computation's.
#pragma once

#include "astrology/astrology_choices.h"

namespace sternwerk {

// The choices last saved; each part that was never saved, or was kept in a
// form this program does not read (an unknown system letter, orbs not
// seven numbers from 0 to 15 degrees), is its default.
AstrologyChoices LoadAstrologyChoices();
void SaveAstrologyChoices(const AstrologyChoices& choices);

}  // namespace sternwerk
