#include "observing/horizontal_sky.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>

#include "engine/library_bodies.h"
#include "observing/ephemeris_access.h"

namespace sternwerk {
namespace {

constexpr int32 kPositionFlags = SEFLG_SWIEPH;
constexpr double kStandardPressure = 1013.25;  // hPa
constexpr double kStandardTemperature = 10;    // degrees Celsius
constexpr double kDegreesPerHour = 15;
constexpr double kHalfTurn = 180;
constexpr double kFullTurn = 360;
// swe_azalt: azimuth, true altitude, apparent altitude.
constexpr int kAzimuth = 0;
constexpr int kApparentAltitude = 2;
// swe_pheno_ut: phase angle, illuminated fraction, elongation, apparent
// diameter, apparent magnitude.
constexpr int kIlluminatedFraction = 1;
constexpr int kApparentDiameter = 3;
constexpr int kMagnitude = 4;

// One call of swe_calc_ut into `position`, or the library's message.
Status Calculate(double julianDay, int body, int32 flags, std::array<double, 6>& position) {
  std::array<char, AS_MAXCH> error{};
  if (swe_calc_ut(julianDay, body, kPositionFlags | flags, position.data(), error.data()) < 0)
    return Status::Failure(LibraryErrorText(error.data()));
  return Status::Success();
}

}  // namespace

Outcome<BodyInSky> ObserveBody(int factor, ClockSeconds instant, const ObserverPlace& place) {
  using Result = Outcome<BodyInSky>;
  const int body = *LibraryBody(factor);
  const double julianDay = JulianDayOf(instant);
  std::array<double, 3> geographic = LibraryPlace(place);
  swe_set_topo(place.longitude, place.latitude, place.heightMetres);

  std::array<double, 6> topocentric{}, equatorial{}, ecliptic{};
  for (const auto& [flags, position] :
       {std::pair{SEFLG_EQUATORIAL | SEFLG_TOPOCTR, &topocentric},
        std::pair{SEFLG_EQUATORIAL, &equatorial}, std::pair{0, &ecliptic}}) {
    const Status computed = Calculate(julianDay, body, flags, *position);
    if (!computed.ok()) return Result::Failure(computed.error());
  }
  std::array<double, 3> horizontal{};
  swe_azalt(julianDay, SE_EQU2HOR, geographic.data(), kStandardPressure, kStandardTemperature,
            topocentric.data(), horizontal.data());
  std::array<double, 20> phenomena{};
  std::array<char, AS_MAXCH> error{};
  if (swe_pheno_ut(julianDay, body, kPositionFlags, phenomena.data(), error.data()) < 0)
    return Result::Failure(LibraryErrorText(error.data()));

  BodyInSky seen;
  seen.factor = factor;
  seen.altitude = horizontal[kApparentAltitude];
  seen.azimuth = std::fmod(horizontal[kAzimuth] + kHalfTurn, kFullTurn);
  seen.up = seen.altitude + phenomena[kApparentDiameter] / 2 > 0;
  seen.rightAscension = equatorial[0] / kDegreesPerHour;
  seen.declination = equatorial[1];
  seen.eclipticLongitude = ecliptic[0];
  seen.eclipticLatitude = ecliptic[1];
  seen.distance = ecliptic[2];
  seen.magnitude = phenomena[kMagnitude];
  seen.illuminated = factor == kSun ? 1 : phenomena[kIlluminatedFraction];
  return Result::Success(seen);
}

Outcome<std::vector<BodyInSky>> ObserveSky(ClockSeconds instant, const ObserverPlace& place) {
  std::vector<BodyInSky> bodies;
  for (const int factor : kObservedBodies) {
    Outcome<BodyInSky> seen = ObserveBody(factor, instant, place);
    if (!seen.ok()) return Outcome<std::vector<BodyInSky>>::Failure(seen.error());
    bodies.push_back(std::move(seen).value());
  }
  std::stable_partition(bodies.begin(), bodies.end(), [](const BodyInSky& b) { return b.up; });
  return Outcome<std::vector<BodyInSky>>::Success(std::move(bodies));
}

}  // namespace sternwerk
