// The next lunar eclipse: its kind, maximum, contacts and umbral
// magnitude, and how much of it a place sees.
//
// References:
//   Swiss Ephemeris, programmer's documentation: swe_lun_eclipse_when()
//     (maximum and contacts), swe_lun_eclipse_how() (magnitudes).
#pragma once

#include <string>
#include <vector>

#include "base/outcome.h"
#include "engine/calendar.h"
#include "observing/eclipse_contact.h"
#include "observing/observer_place.h"

namespace sternwerk {

enum class LunarEclipseKind { kPenumbral, kPartial, kTotal };

// "Halbschatten-Mondfinsternis", "Partielle Mondfinsternis", "Totale
// Mondfinsternis"; in English "Penumbral lunar eclipse" ...
std::string LunarEclipseKindText(LunarEclipseKind kind);

struct LunarEclipse {
  LunarEclipseKind kind = LunarEclipseKind::kPenumbral;
  ClockSeconds maximum = 0;       // Universal Time
  double umbralMagnitude = 0;     // fraction of the Moon's diameter in the umbra; below 0 when
                                  // the umbra misses it
  double penumbralMagnitude = 0;  // the same for the penumbra
  double moonAltitude = 0;        // degrees, the Moon's centre at the maximum, refracted
  // P1, U1 ... U4, P4 as far as they happen (U2 and U3 only for a total,
  // U1 and U4 not for a penumbral eclipse), in time order.
  std::vector<EclipseContact> contacts;
  // The Moon above the horizon for some part of the eclipse at the place.
  bool visible = false;
};

// NextLunarEclipse: the first lunar eclipse whose maximum is after `from`,
// seen from `place`; the library's message where it cannot compute the
// years searched.
Outcome<LunarEclipse> NextLunarEclipse(ClockSeconds from, const ObserverPlace& place);

}  // namespace sternwerk
