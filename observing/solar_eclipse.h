// The next solar eclipse seen from a place: its kind there, the local
// maximum with magnitude and obscuration, the contacts and the Sun's
// altitude.
//
// References:
//   Swiss Ephemeris, programmer's documentation: swe_sol_eclipse_when_loc()
//     (the contacts and the figures at the local maximum).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "engine/calendar.h"
#include "observing/eclipse_contact.h"
#include "observing/observer_place.h"

namespace sternwerk {

enum class SolarEclipseKind { kPartial, kAnnular, kTotal };

// "Partielle Sonnenfinsternis", "Ringförmige Sonnenfinsternis", "Totale
// Sonnenfinsternis"; in English "Partial solar eclipse" ...
std::string SolarEclipseKindText(SolarEclipseKind kind);

struct LocalSolarEclipse {
  SolarEclipseKind kind = SolarEclipseKind::kPartial;  // as seen from the place
  ClockSeconds maximum = 0;                            // Universal Time
  // At the maximum: the fraction of the Sun's diameter covered, or where
  // it is covered or ringed the ratio of the Moon's diameter to the Sun's.
  double magnitude = 0;
  double obscuration = 0;    // fraction of the Sun's disc covered at the maximum
  double sunAltitude = 0;    // degrees, the Sun's centre at the maximum, refracted
  bool maximumSeen = false;  // the Sun above the horizon at the maximum
  // C1 to C4 where they happen there (C2 and C3 only for a total or an
  // annular eclipse), in time order.
  std::vector<EclipseContact> contacts;
  // The Sun rising or setting eclipsed, where it does.
  std::optional<ClockSeconds> sunrise;
  std::optional<ClockSeconds> sunset;
};

// NextSolarEclipse: the first solar eclipse after `from` of which the
// place sees a part with the Sun above the horizon.
//
// Given:   from   Universal Time
//          place  the observer
// Returned:
//          the eclipse as seen there, times to the second; the library's
//          message where it cannot compute the years searched (beyond
//          about 3000 with the files installed here).
Outcome<LocalSolarEclipse> NextSolarEclipse(ClockSeconds from, const ObserverPlace& place);

}  // namespace sternwerk
