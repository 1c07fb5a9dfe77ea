// The orb of the 90-degree dial's pointer, kept between runs in the user's
// settings (QSettings).
#pragma once

namespace sternwerk {

// The orbs the dial window offers, degrees of the dial.
inline constexpr double kLeastDialOrb = 0.1;
inline constexpr double kGreatestDialOrb = 5;

// The orb last saved, brought into the range above; kDefaultDialOrb when
// none was or the saved value is no number.
double LoadDialOrb();
void SaveDialOrb(double orb);

}  // namespace sternwerk
