// The direction in which the MC stands as seen from the place: the MC lies
// on the upper meridian, so it stands either due south or due north of the
// zenith. The dial names that direction and the outside view faces it.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

enum class MeridianDirection { kSouth, kNorth };

// MeridianDirectionAt: the side of the zenith the MC stands on.
//
// Given:   mcLongitude  the MC's ecliptic longitude, degrees
//          obliquity    the obliquity of the ecliptic, degrees
//          latitude     the place's latitude, degrees, north positive
// Returned:
//          kNorth when the MC's declination, sin dec = sin eps sin mc,
//          exceeds the latitude; kSouth otherwise.
//
// Notes:
// 1. North of the tropic of Cancer the MC always stands south, south of
//    the tropic of Capricorn always north; between the tropics it changes
//    sides with the sidereal time.
// 2. An MC in the zenith counts as south.
MeridianDirection MeridianDirectionAt(double mcLongitude, double obliquity, double latitude);

// The direction of the computed sky's MC at its place, with the obliquity
// the sky was computed with.
MeridianDirection MeridianDirectionOf(const SkyState& sky);

}  // namespace sternwerk
