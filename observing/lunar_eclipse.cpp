#include "observing/lunar_eclipse.h"

#include <swephexp.h>

#include <array>

#include "base/translation.h"
#include "engine/factors.h"
#include "observing/day_events.h"
#include "observing/ephemeris_access.h"
#include "observing/horizontal_sky.h"

namespace sternwerk {
namespace {

// swe_lun_eclipse_when's times: the maximum, then the contacts (0 where
// one does not happen).
constexpr int kMaximum = 0;
// swe_lun_eclipse_how's figures.
constexpr int kUmbralMagnitude = 0;
constexpr int kPenumbralMagnitude = 1;
constexpr int kAllKinds = 0;

struct ContactSlot {
  const char* code;
  int index;
};
constexpr std::array<ContactSlot, 6> kContacts = {
    {{"P1", 6}, {"U1", 2}, {"U2", 4}, {"U3", 5}, {"U4", 3}, {"P4", 7}}};

LunarEclipseKind KindOf(int32 flags) {
  if (flags & SE_ECL_TOTAL) return LunarEclipseKind::kTotal;
  if (flags & SE_ECL_PARTIAL) return LunarEclipseKind::kPartial;
  return LunarEclipseKind::kPenumbral;
}

// Whether the Moon is up for some part of the eclipse: at a contact, or
// rising between the first and the last.
Outcome<bool> SeenFrom(const LunarEclipse& eclipse, const ObserverPlace& place) {
  if (eclipse.contacts.empty()) return Outcome<bool>::Success(false);
  for (const EclipseContact& contact : eclipse.contacts) {
    if (contact.up) return Outcome<bool>::Success(true);
  }
  const LocalDay during{eclipse.contacts.front().instant, eclipse.contacts.back().instant};
  const Outcome<HorizonDay> moon = HorizonDayOf(kMoon, during, place);
  if (!moon.ok()) return Outcome<bool>::Failure(moon.error());
  return Outcome<bool>::Success(moon.value().rise.has_value());
}

}  // namespace

std::string LunarEclipseKindText(LunarEclipseKind kind) {
  constexpr std::array<const char*, 3> kNames = {
      QT_TRANSLATE_NOOP("sternwerk::Eclipses", "Halbschatten-Mondfinsternis"),
      QT_TRANSLATE_NOOP("sternwerk::Eclipses", "Partielle Mondfinsternis"),
      QT_TRANSLATE_NOOP("sternwerk::Eclipses", "Totale Mondfinsternis")};
  return Translated("sternwerk::Eclipses", kNames[static_cast<std::size_t>(kind)]);
}

Outcome<LunarEclipse> NextLunarEclipse(ClockSeconds from, const ObserverPlace& place) {
  using Result = Outcome<LunarEclipse>;
  std::array<double, 10> times{};
  std::array<char, AS_MAXCH> error{};
  const int32 flags = swe_lun_eclipse_when(JulianDayOf(from), SEFLG_SWIEPH, kAllKinds, times.data(),
                                           0, error.data());
  if (flags < 0) return Result::Failure(LibraryErrorText(error.data()));
  std::array<double, 3> geographic = LibraryPlace(place);
  std::array<double, 20> figures{};
  if (swe_lun_eclipse_how(times[kMaximum], SEFLG_SWIEPH, geographic.data(), figures.data(),
                          error.data()) < 0)
    return Result::Failure(LibraryErrorText(error.data()));

  LunarEclipse eclipse;
  eclipse.kind = KindOf(flags);
  eclipse.maximum = InstantOfJulianDay(times[kMaximum]);
  eclipse.umbralMagnitude = figures[kUmbralMagnitude];
  eclipse.penumbralMagnitude = figures[kPenumbralMagnitude];
  const Outcome<BodyInSky> atMaximum = ObserveBody(kMoon, eclipse.maximum, place);
  if (!atMaximum.ok()) return Result::Failure(atMaximum.error());
  eclipse.moonAltitude = atMaximum.value().altitude;
  for (const ContactSlot& slot : kContacts) {
    if (times[static_cast<std::size_t>(slot.index)] <= 0) continue;
    const ClockSeconds instant = InstantOfJulianDay(times[static_cast<std::size_t>(slot.index)]);
    const Outcome<BodyInSky> moon = ObserveBody(kMoon, instant, place);
    if (!moon.ok()) return Result::Failure(moon.error());
    eclipse.contacts.push_back({slot.code, instant, moon.value().altitude, moon.value().up});
  }
  const Outcome<bool> visible = SeenFrom(eclipse, place);
  if (!visible.ok()) return Result::Failure(visible.error());
  eclipse.visible = visible.value();
  return Result::Success(eclipse);
}

}  // namespace sternwerk
