// What the astrologer chooses to see over the enlarged chart and in the
// position list: whether houses and aspects are shown at all, in which house
// system, and with which orbs. Off by default, so that the astronomer's
// chart stays as it is.
#pragma once

#include "astrology/aspects.h"
#include "astrology/house_cusps.h"

namespace sternwerk {

// The range an orb may be chosen in, degrees, and its step (one decimal).
inline constexpr double kLargestOrb = 15;
inline constexpr double kOrbStep = 0.1;

struct AstrologyChoices {
  bool shown = false;  // houses and aspects in the chart, its print and files, and the list
  HouseSystem system = kDefaultHouseSystem;
  AspectOrbs orbs;

  friend bool operator==(const AstrologyChoices&, const AstrologyChoices&) = default;
};

// Whether an orb lies in [0, kLargestOrb] (a NaN does not).
inline bool IsChoosableOrb(double degrees) {
  return degrees >= 0 && degrees <= kLargestOrb;
}

}  // namespace sternwerk
