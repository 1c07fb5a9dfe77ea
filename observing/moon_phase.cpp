#include "observing/moon_phase.h"

#include <swephexp.h>

#include <array>
#include <cmath>

#include "base/translation.h"
#include "observing/ephemeris_access.h"

namespace sternwerk {
namespace {

constexpr double kFullTurn = 360;
constexpr double kQuarterTurn = 90;
// Half of the Moon's mean daily motion away from the Sun (12.19 degrees):
// a principal phase is named for the day around its instant.
constexpr double kPrincipalPhaseHalfWidth = 6.1;
// The new moon is found to a hundred-thousandth of a degree of elongation,
// about 0.07 s; a few steps of Newton's method reach it from any phase.
constexpr double kElongationTolerance = 1e-5;
constexpr int kMostSteps = 10;
constexpr int kIlluminatedFraction = 1;

struct Elongation {
  double degrees;  // Moon minus Sun, [0, 360)
  double rate;     // degrees per day
};

Outcome<Elongation> ElongationAt(double julianDay) {
  std::array<double, 6> sun{}, moon{};
  std::array<char, AS_MAXCH> error{};
  constexpr int32 kFlags = SEFLG_SWIEPH | SEFLG_SPEED;
  if (swe_calc_ut(julianDay, SE_SUN, kFlags, sun.data(), error.data()) < 0 ||
      swe_calc_ut(julianDay, SE_MOON, kFlags, moon.data(), error.data()) < 0)
    return Outcome<Elongation>::Failure(LibraryErrorText(error.data()));
  double degrees = std::fmod(moon[0] - sun[0], kFullTurn);
  if (degrees < 0) degrees += kFullTurn;
  return Outcome<Elongation>::Success({degrees, moon[3] - sun[3]});
}

// The Julian day of the last new moon before `julianDay`, whose elongation
// is given.
Outcome<double> LastNewMoon(double julianDay, const Elongation& now) {
  double guess = julianDay - now.degrees / now.rate;
  for (int step = 0; step < kMostSteps; ++step) {
    const Outcome<Elongation> there = ElongationAt(guess);
    if (!there.ok()) return Outcome<double>::Failure(there.error());
    const double offset = std::remainder(there.value().degrees, kFullTurn);
    guess -= offset / there.value().rate;
    if (std::abs(offset) < kElongationTolerance) break;
  }
  return Outcome<double>::Success(guess);
}

}  // namespace

std::string MoonPhaseText(MoonPhaseName name) {
  constexpr std::array<const char*, 8> kNames = {
      QT_TRANSLATE_NOOP("sternwerk::MoonPhase", "Neumond"),
      QT_TRANSLATE_NOOP("sternwerk::MoonPhase", "Zunehmende Sichel"),
      QT_TRANSLATE_NOOP("sternwerk::MoonPhase", "Erstes Viertel"),
      QT_TRANSLATE_NOOP("sternwerk::MoonPhase", "Zunehmender Mond"),
      QT_TRANSLATE_NOOP("sternwerk::MoonPhase", "Vollmond"),
      QT_TRANSLATE_NOOP("sternwerk::MoonPhase", "Abnehmender Mond"),
      QT_TRANSLATE_NOOP("sternwerk::MoonPhase", "Letztes Viertel"),
      QT_TRANSLATE_NOOP("sternwerk::MoonPhase", "Abnehmende Sichel")};
  return Translated("sternwerk::MoonPhase", kNames[static_cast<std::size_t>(name)]);
}

MoonPhaseName PhaseNameOf(double elongation) {
  double degrees = std::fmod(elongation, kFullTurn);
  if (degrees < 0) degrees += kFullTurn;
  // Principal phases 0, 2, 4, 6 at 0, 90, 180, 270 degrees; the phase
  // between two of them has the odd number between.
  const double quarters = degrees / kQuarterTurn;
  const double nearest = std::round(quarters);
  const int principal = static_cast<int>(nearest) % 4;
  if (std::abs(degrees - nearest * kQuarterTurn) <= kPrincipalPhaseHalfWidth)
    return static_cast<MoonPhaseName>(2 * principal);
  return static_cast<MoonPhaseName>(2 * static_cast<int>(std::floor(quarters)) + 1);
}

Outcome<MoonPhase> MoonPhaseAt(ClockSeconds instant) {
  using Result = Outcome<MoonPhase>;
  const double julianDay = JulianDayOf(instant);
  const Outcome<Elongation> now = ElongationAt(julianDay);
  if (!now.ok()) return Result::Failure(now.error());
  const Outcome<double> newMoon = LastNewMoon(julianDay, now.value());
  if (!newMoon.ok()) return Result::Failure(newMoon.error());
  std::array<double, 20> phenomena{};
  std::array<char, AS_MAXCH> error{};
  if (swe_pheno_ut(julianDay, SE_MOON, SEFLG_SWIEPH, phenomena.data(), error.data()) < 0)
    return Result::Failure(LibraryErrorText(error.data()));
  MoonPhase phase;
  phase.elongation = now.value().degrees;
  phase.name = PhaseNameOf(phase.elongation);
  phase.illuminated = phenomena[kIlluminatedFraction];
  phase.ageDays = julianDay - newMoon.value();
  return Result::Success(phase);
}

}  // namespace sternwerk
