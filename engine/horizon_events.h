// Rise, set and upper culmination as an almanac gives them: the upper limb
// of the Sun, the Moon or a planet on the mathematical horizon with the
// standard refraction, and the transit over the upper meridian.
//
// References:
//   Swiss Ephemeris, programmer's documentation, swe_rise_trans(): the
//     upper limb and the refraction of 1013.25 hPa are its defaults; the
//     Moon's parallax and semidiameter are included.
//   Meeus, J., Astronomical Algorithms, 2nd ed., Willmann-Bell 1998:
//     chapter 15 (rising, transit and setting; h0 = -0.5667 degrees for
//     planets, -0.8333 for the Sun, 0.7275 times the parallax minus 0.5667
//     for the Moon).
#pragma once

#include <string>

#include "base/outcome.h"
#include "engine/computation_mode.h"
#include "engine/event_search.h"
#include "engine/sky_state.h"

namespace sternwerk {

// The Sun, the Moon and Mercury to Pluto rise and set over a horizon; the
// axes, the Aries point, the node, the hypothetical points and GZ do not.
bool HasHorizonRise(int factor);

// The almanac's name of the event (ASCII): "SO-Aufgang am Horizont",
// "SO-Untergang am Horizont", "SO-Meridiandurchgang".
std::string HorizonEventName(EventKind kind, int factor);

// SearchHorizonEvent: the first rise (kRise), set (kSet) or upper transit
// (kCulmination) of `factor` after 00:00:00 UT of the sky's date, or after
// `fromHours` of that date.
//
// Given:   the sky's date (Universal Time) and place (degrees, east and
//          north positive; height 0 m)
// Returned:
//          kFound: the sky at the event, Universal Time rounded to the
//          second, fully computed in `mode`;
//          kNotFound: the body neither rises nor sets there now (polar day
//          or night), the sky as it was;
//          kNotSearchable: a lunation or a factor without HasHorizonRise,
//          the sky as it was;
//          a failure with the library's message where it cannot compute
//          the date (after about 3000 with the files installed here).
//
// Notes:
// 1. Computed with the Swiss Ephemeris whatever `mode` is; the mode only
//    fills the sky at the instant found.
// 2. The event may fall on a later date, as the Moon's rise does about
//    once a month.
Outcome<SearchStatus> SearchHorizonEvent(SkyState& sky, EventKind kind, int factor,
                                         ComputationMode mode = ComputationMode::kOwn,
                                         double fromHours = 0);

}  // namespace sternwerk
