// The one sky state of a run: the instant, the place, and what the engine
// computes from them (time measures, the longitude of every factor).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/factors.h"

namespace sternwerk {

struct SkyState {
  // The instant, Universal Time.
  std::int32_t day = 1;
  std::int32_t month = 1;
  std::int32_t year = 2000;
  double hours = 0;      // decimal hours of the day; may pass 24 in long minute steps
  std::string dateText;  // "dd.mm.yyyy", master copy of the date between day steps
  std::string timeText;  // "hh.mm.ss" or "hh:mm:ss", fields read by position

  // The place, degrees, east and north positive.
  double longitude = 10.0;
  double latitude = 50.0;
  bool isWest = false;
  bool isSouth = false;
  std::string longitudeText =
      "+010\xB0"
      "00'";
  std::string latitudeText =
      "+50\xB0"
      "00'";

  // Derived by the engine.
  double centuries = 0;          // T, Julian centuries from JD 2415020.0
  double negativeObliquity = 0;  // minus the obliquity of the ecliptic, radians
  // RAMC, the right ascension of the meridian: the local sidereal time as
  // an angle, radians, in (-2 pi, 2 pi).
  double ramc = 0;

  // Positions, degrees, indexed by factor number.
  std::array<double, kFactorSlots> longitudes{};
  std::array<bool, kFactorSlots> retrograde{};
};

}  // namespace sternwerk
