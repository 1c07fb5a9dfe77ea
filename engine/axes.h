// Local sidereal time and the chart axes MC and AS.
//
// References:
//   Explanatory Supplement to the Astronomical Ephemeris and the American
//     Ephemeris and Nautical Almanac, HMSO, London 1961: the chapters
//     on sidereal time (Newcomb's polynomial) and the obliquity.
//   Meeus, J., Astronomical Algorithms, 2nd ed., Willmann-Bell 1998:
//     chapter 13 (ecliptic longitude of a point given its right ascension).
//
// Accuracy: largest difference from the Swiss Ephemeris's MC and AS
// (apparent sidereal time, true obliquity) found by
// tests/engine/accuracy_sweep_test.cpp at latitudes up to 66 degrees,
// degrees:
//             1600-1800 1800-1900 1900-2100 2100-2400 2400-3000 3000-9999
//   MC          0.008     0.007     0.007     0.011     0.045      2.2
//   AS          0.035     0.06      0.03      0.03      0.09       8
// Most of it is the nutation, which the axes leave out; after 3000 the two
// sidereal time polynomials part.
#pragma once

#include "engine/sky_state.h"

namespace sternwerk {

// ComputeAxes: local sidereal angle and the chart axes.
//
// Given:   sky.centuries  T (see ComputeSun), including the time of day
//          sky.hours      decimal hours of the day, Universal Time
//          sky.longitude  degrees, east positive
//          sky.latitude   degrees, north positive; the poles stay finite
//          sky.negativeObliquity  radians, minus the obliquity (from ComputeTime)
// Returned:
//          sky.ramc           RAMC, the right ascension of the meridian
//                             (local mean sidereal time as an angle),
//                             radians, in (-2 pi, 2 pi); negative before 1900
//          sky.longitudes[0]  MC, the ecliptic point on the upper meridian,
//                             degrees of the mean equinox of date, [0, 360)
//          sky.longitudes[1]  the Aries point, always 0
//          sky.longitudes[3]  AS, the ecliptic point rising in the east,
//                             degrees of the mean equinox of date, [0, 360)
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
