#include "engine/precise_sky.h"

#include <swephexp.h>

#include <array>

#include "base/translation.h"
#include "engine/arithmetic.h"
#include "engine/calendar.h"
#include "engine/library_bodies.h"
#include "engine/sky.h"

namespace sternwerk {
namespace {

constexpr int32 kBodyFlags = SEFLG_SWIEPH | SEFLG_SPEED;
// Any house system gives the axes; equal houses are defined at every latitude.
constexpr int kHouseSystem = 'E';
constexpr int kAscmcAscendant = 0;
constexpr int kAscmcMC = 1;
constexpr int kAscmcArmc = 2;
// swe_houses_ex gives no text of its own, and a failed swe_calc_ut may leave
// its text empty.
constexpr const char* kContext = "sternwerk::PreciseSky";
constexpr const char* kAxesFailed =
    QT_TRANSLATE_NOOP("sternwerk::PreciseSky", "MC und AS nicht berechenbar");
constexpr const char* kNoReasonGiven =
    QT_TRANSLATE_NOOP("sternwerk::PreciseSky", "Fehler ohne Angabe eines Grundes");

// The factors the library computes, in the order they are computed.
constexpr std::array<int, 11> kLibraryFactors = {
    kSun, kMoon, kLunarNode, kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto};

double JulianDayUT(const SkyState& sky) {
  return kEpochJD + sky.centuries * kDaysPerCentury;
}

bool IsPlanet(int factor) {
  return factor == kSun || (factor >= kMercury && factor <= kPluto);
}

// The library's error text as a failure.
Status LibraryFailure(const std::array<char, AS_MAXCH>& error) {
  return Status::Failure(error.front() != '\0' ? std::string(error.data())
                                               : Translated(kContext, kNoReasonGiven));
}

// One factor the library computes into the sky state, or the library's
// error. `analytical` is set when the library used its analytical theory
// instead of the files.
Status ComputeBody(SkyState& sky, double jdUT, int factor, bool& analytical) {
  std::array<double, 6> position{};
  std::array<char, AS_MAXCH> error{};
  const int32 used =
      swe_calc_ut(jdUT, *LibraryBody(factor), kBodyFlags, position.data(), error.data());
  if (used < 0) return LibraryFailure(error);
  if (used & SEFLG_MOSEPH) analytical = true;
  sky.longitudes[factor] = position[0];
  if (IsPlanet(factor)) sky.retrograde[factor] = position[3] < 0;
  return Status::Success();
}

// MC, AS, ramc and obliquity from the apparent sidereal time and the true
// obliquity, or the library's error.
Status ComputePreciseAxes(SkyState& sky, double jdUT) {
  std::array<double, 13> cusps{};
  std::array<double, 10> ascmc{};
  if (swe_houses_ex(jdUT, 0, sky.latitude, sky.longitude, kHouseSystem, cusps.data(),
                    ascmc.data()) < 0) {
    return Status::Failure(Translated(kContext, kAxesFailed));
  }
  std::array<double, 6> nutation{};
  std::array<char, AS_MAXCH> error{};
  if (swe_calc_ut(jdUT, SE_ECL_NUT, 0, nutation.data(), error.data()) < 0) {
    return LibraryFailure(error);
  }
  sky.longitudes[kMC] = ascmc[kAscmcMC];
  sky.longitudes[kAscendant] = ascmc[kAscmcAscendant];
  sky.ramc = DegToRad(ascmc[kAscmcArmc]);
  sky.negativeObliquity = -DegToRad(nutation[0]);
  return Status::Success();
}

}  // namespace

SkyComputation ComputePreciseSky(SkyState& sky) {
  ComputeSky(sky);
  SkyState precise = sky;
  const double jdUT = JulianDayUT(sky);
  const auto fallBack = [](const Status& failure) {
    return SkyComputation{ComputationUsed::kOwnAfterFailure, failure.error()};
  };
  bool analytical = false;
  const Status axes = ComputePreciseAxes(precise, jdUT);
  if (!axes.ok()) return fallBack(axes);
  for (const int factor : kLibraryFactors) {
    const Status computed = ComputeBody(precise, jdUT, factor, analytical);
    if (!computed.ok()) return fallBack(computed);
  }
  sky = precise;
  return {analytical ? ComputationUsed::kAnalyticalTheory : ComputationUsed::kEphemerisFiles, {}};
}

Status ComputePreciseParts(SkyState& sky, bool axes, int factor, bool withSun) {
  const double jdUT = JulianDayUT(sky);
  bool analytical = false;
  if (axes) {
    const Status computed = ComputePreciseAxes(sky, jdUT);
    if (!computed.ok()) return computed;
  }
  if (withSun) {
    const Status computed = ComputeBody(sky, jdUT, kSun, analytical);
    if (!computed.ok()) return computed;
  }
  if (!LibraryBody(factor)) return Status::Success();
  return ComputeBody(sky, jdUT, factor, analytical);
}

void SetEphemerisPath(const std::string& folder) {
  swe_set_ephe_path(folder.c_str());
}

}  // namespace sternwerk
