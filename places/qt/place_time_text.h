// The local civil time of the clock's place at the sky's instant, as the
// clock window and the enlarged chart write it.
#pragma once

#include <string>

#include "engine/sky_state.h"
#include "places/place_identity.h"

namespace sternwerk {

// The clock window's line in two parts (UTF-8), shown as
// "Berlin · 21:30:00 MEZ (UT+1)", or the time alone for a place without a
// name ("21:10:02 mittlere Ortszeit (UT+0:39:58)").
struct PlaceTimeParts {
  std::string name;
  std::string time;
  // Empty, or why the place's mean time stands in for its zone's (UTF-8).
  std::string zoneProblem;
};
PlaceTimeParts PlaceTimeAt(const PlaceIdentity& place, const SkyState& sky);

// The chart header's line for a named place (Windows-1252):
// "Ortszeit Berlin: Di, 08.12.2026 / 10:30:15 MEZ (UT+1)"; empty for a
// place without a name. Characters of the name that Windows-1252 lacks
// are written "?".
std::string ChartPlaceTimeText(const PlaceIdentity& place, const SkyState& sky);

// The name a picture of the sky is suggested under, without extension
// (UTF-8): a named place's name and the local date and time the chart's
// header gives it, "Ulm 1879-03-14 1130"; a place typed by its coordinates
// by them and Universal Time, "013°24'E 52°30'N 2026-12-07 2130 UT".
// Characters that a file name may not hold become "_".
std::string PictureFileStem(const PlaceIdentity& place, const SkyState& sky);

}  // namespace sternwerk
