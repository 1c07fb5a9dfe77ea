// Builds a sky state for an instant and place, as the clock sets it.
#pragma once

#include "engine/calendar.h"
#include "engine/sky.h"
#include "engine/sky_state.h"

namespace sternwerk::testing {

inline SkyState SkyAt(int day, int month, int year, double hours, double longitude = 10.0,
                      double latitude = 50.0) {
  SkyState sky;
  SetInstant(sky, day, month, year, hours);
  sky.longitude = longitude;
  sky.latitude = latitude;
  return sky;
}

inline SkyState ComputedSkyAt(int day, int month, int year, double hours, double longitude = 10.0,
                              double latitude = 50.0) {
  SkyState sky = SkyAt(day, month, year, hours, longitude, latitude);
  ComputeSky(sky);
  return sky;
}

}  // namespace sternwerk::testing
