#include "observing/ephemeris_access.h"

#include <cmath>

#include "base/translation.h"

namespace sternwerk {
namespace {

// JD 2440587.5 is 1970-01-01 00:00:00 UT, where ClockSeconds count from.
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kSecondsPerDay = 86400;

}  // namespace

double JulianDayOf(ClockSeconds instant) {
  return kUnixEpochJulianDay + static_cast<double>(instant) / kSecondsPerDay;
}

ClockSeconds InstantOfJulianDay(double julianDayUT) {
  return static_cast<ClockSeconds>(
      std::llround((julianDayUT - kUnixEpochJulianDay) * kSecondsPerDay));
}

std::string LibraryErrorText(const char* error) {
  if (error != nullptr && error[0] != '\0') return error;
  return Translated("sternwerk::Observing",
                    QT_TRANSLATE_NOOP("sternwerk::Observing", "Fehler ohne Angabe eines Grundes"));
}

std::array<double, 3> LibraryPlace(const ObserverPlace& place) {
  return {place.longitude, place.latitude, place.heightMetres};
}

}  // namespace sternwerk
