// Local sidereal time and the chart axes MC and AS.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// ComputeAxes: local sidereal angle and the chart axes.
//
// Given:   sky.centuries  T (see ComputeSun), including the time of day
//          sky.hours      decimal hours of the day, Universal Time
//          sky.longitude  degrees, east positive
//          sky.latitude   degrees, north positive; the poles stay finite
//          sky.obliquity  radians, minus the obliquity (from ComputeTime)
// Returned:
//          sky.ramc           local sidereal angle, radians, in (-2 pi, 2 pi);
//                             negative before 1900
//          sky.longitudes[0]  MC, the ecliptic point on the upper meridian,
//                             degrees in [0, 360)
//          sky.longitudes[1]  the Aries point, always 0
//          sky.longitudes[3]  AS, the ecliptic point rising in the east,
//                             degrees in [0, 360)
//
// Notes:
// 1. Greenwich sidereal time at 0 h is Newcomb's polynomial
//    6.646065556 h + 2400.051262 h T + 0.000025805 h T^2; since T already
//    holds the time of day, the hours are added unscaled.
// 2. MC and AS go through polar round trips instead of tangents: the same
//    points as tan MC = tan(ramc) / cos(eps) and the usual Ascendent
//    formula, finite at the poles. The tiny replacement angles that keep
//    an exact zero away from atan are part of the results' last digits.
// 3. Allocates nothing.
void ComputeAxes(SkyState& sky);

}  // namespace sternwerk
