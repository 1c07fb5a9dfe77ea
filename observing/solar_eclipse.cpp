#include "observing/solar_eclipse.h"

#include <swephexp.h>

#include <algorithm>
#include <array>

#include "base/time_units.h"
#include "base/translation.h"
#include "engine/factors.h"
#include "observing/ephemeris_access.h"
#include "observing/horizontal_sky.h"

namespace sternwerk {
namespace {

// swe_sol_eclipse_when_loc: the maximum, the four contacts, sunrise and
// sunset where they fall within the eclipse (else 0).
constexpr int kMaximum = 0;
constexpr int kSunrise = 5;
constexpr int kSunset = 6;
// ... and its figures: the fraction of the disc covered (the Moon's
// disc's area over the Sun's while the Moon covers it all), the magnitude
// as NASA's tables give it (the fraction of the diameter covered, or the
// ratio of the diameters while the Sun is covered or ringed).
constexpr int kObscuration = 2;
constexpr int kMagnitude = 8;
// One second later than the last eclipse's end starts the next search.
constexpr double kDaysPerSecond = 1.0 / kSecondsPerDay;

struct ContactSlot {
  const char* code;
  int index;  // in the library's times
};
constexpr std::array<ContactSlot, 4> kContacts = {{{"C1", 1}, {"C2", 2}, {"C3", 3}, {"C4", 4}}};

SolarEclipseKind KindOf(int32 flags) {
  if (flags & SE_ECL_TOTAL) return SolarEclipseKind::kTotal;
  if (flags & SE_ECL_ANNULAR) return SolarEclipseKind::kAnnular;
  return SolarEclipseKind::kPartial;
}

std::optional<ClockSeconds> InstantIfGiven(double julianDay) {
  if (julianDay <= 0) return std::nullopt;
  return InstantOfJulianDay(julianDay);
}

}  // namespace

std::string SolarEclipseKindText(SolarEclipseKind kind) {
  constexpr std::array<const char*, 3> kNames = {
      QT_TRANSLATE_NOOP("sternwerk::Eclipses", "Partielle Sonnenfinsternis"),
      QT_TRANSLATE_NOOP("sternwerk::Eclipses", "Ringförmige Sonnenfinsternis"),
      QT_TRANSLATE_NOOP("sternwerk::Eclipses", "Totale Sonnenfinsternis")};
  return Translated("sternwerk::Eclipses", kNames[static_cast<std::size_t>(kind)]);
}

Outcome<LocalSolarEclipse> NextSolarEclipse(ClockSeconds from, const ObserverPlace& place) {
  using Result = Outcome<LocalSolarEclipse>;
  std::array<double, 3> geographic = LibraryPlace(place);
  std::array<double, 10> times{};
  std::array<double, 20> figures{};
  std::array<char, AS_MAXCH> error{};
  double start = JulianDayOf(from);
  int32 flags = 0;
  // The library finds the next eclipse at the place; one seen only with
  // the Sun below the horizon throughout is passed over.
  do {
    flags = swe_sol_eclipse_when_loc(start, SEFLG_SWIEPH, geographic.data(), times.data(),
                                     figures.data(), 0, error.data());
    if (flags < 0) return Result::Failure(LibraryErrorText(error.data()));
    start = times[4] + kDaysPerSecond;
  } while (!(flags & SE_ECL_VISIBLE));

  LocalSolarEclipse eclipse;
  eclipse.kind = KindOf(flags);
  eclipse.maximum = InstantOfJulianDay(times[kMaximum]);
  eclipse.magnitude = figures[kMagnitude];
  eclipse.obscuration = std::min(1.0, figures[kObscuration]);
  eclipse.sunrise = InstantIfGiven(times[kSunrise]);
  eclipse.sunset = InstantIfGiven(times[kSunset]);
  const Outcome<BodyInSky> atMaximum = ObserveBody(kSun, eclipse.maximum, place);
  if (!atMaximum.ok()) return Result::Failure(atMaximum.error());
  eclipse.sunAltitude = atMaximum.value().altitude;
  eclipse.maximumSeen = atMaximum.value().up;
  for (const ContactSlot& slot : kContacts) {
    const std::optional<ClockSeconds> instant = InstantIfGiven(times[slot.index]);
    if (!instant) continue;
    const Outcome<BodyInSky> sun = ObserveBody(kSun, *instant, place);
    if (!sun.ok()) return Result::Failure(sun.error());
    eclipse.contacts.push_back({slot.code, *instant, sun.value().altitude, sun.value().up});
  }
  return Result::Success(eclipse);
}

}  // namespace sternwerk
