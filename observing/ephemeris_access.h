// The Swiss Ephemeris as the observing layer calls it: the Julian day of an
// instant and back, the observer's place for its topocentric positions,
// and the text of a failed call.
#pragma once

#include <array>
#include <string>

#include "base/outcome.h"
#include "engine/calendar.h"
#include "observing/observer_place.h"

namespace sternwerk {

// The Julian day (Universal Time) of an instant, and the instant nearest
// to a Julian day, to the second.
double JulianDayOf(ClockSeconds instant);
ClockSeconds InstantOfJulianDay(double julianDayUT);

// The library's error text of a failed call (UTF-8), or a text saying no
// reason was given where it left the text empty.
std::string LibraryErrorText(const char* error);

// The place as the library wants it: longitude, latitude, height.
std::array<double, 3> LibraryPlace(const ObserverPlace& place);

}  // namespace sternwerk
