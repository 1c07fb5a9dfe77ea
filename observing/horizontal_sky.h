// Where the Sun, the Moon and the planets stand for an observer: altitude
// and azimuth, equatorial and ecliptic coordinates, distance, brightness
// and phase, from the Swiss Ephemeris.
//
// References:
//   Swiss Ephemeris, programmer's documentation: swe_calc_ut() with
//     SEFLG_EQUATORIAL and SEFLG_TOPOCTR, swe_azalt() (azimuth from the
//     south through the west), swe_pheno_ut().
#pragma once

#include <array>
#include <vector>

#include "base/outcome.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "observing/observer_place.h"

namespace sternwerk {

// The bodies an observer is shown, in their usual order: the Sun, the
// Moon, Mercury to Pluto.
inline constexpr std::array<int, 10> kObservedBodies = {
    kSun, kMoon, kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto};

struct BodyInSky {
  int factor = kSun;
  // Horizontal, topocentric, with the refraction of a standard atmosphere
  // (1013.25 hPa, 10 degrees Celsius).
  double altitude = 0;  // degrees, of the centre
  double azimuth = 0;   // degrees from north through east, [0, 360)
  bool up = false;      // the upper limb above the horizon, as rise and set count
  // Geocentric, apparent, equator and equinox of date.
  double rightAscension = 0;  // hours, [0, 24)
  double declination = 0;     // degrees
  // Geocentric, apparent, ecliptic and equinox of date.
  double eclipticLongitude = 0;  // degrees, [0, 360)
  double eclipticLatitude = 0;   // degrees
  double distance = 0;           // astronomical units, from the Earth's centre
  double magnitude = 0;          // apparent visual magnitude
  double illuminated = 0;        // fraction of the disc lit, 0 to 1; 1 for the Sun
};

// ObserveBody: one of kObservedBodies at an instant, seen from a place.
//
// Given:   instant  Universal Time
//          place    the observer
// Returned:
//          the body's figures, or the library's message where it cannot
//          compute the instant.
//
// Notes:
// 1. Sets the library's topocentric place (swe_set_topo), which is state
//    of the library shared by every caller on the thread.
Outcome<BodyInSky> ObserveBody(int factor, ClockSeconds instant, const ObserverPlace& place);

// ObserveSky: every body of kObservedBodies, those up first; each group in
// the usual order, so that the list changes only where a body rises or
// sets.
Outcome<std::vector<BodyInSky>> ObserveSky(ClockSeconds instant, const ObserverPlace& place);

}  // namespace sternwerk
