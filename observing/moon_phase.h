// The Moon's phase: its name, how much of its disc is lit, and its age
// since the last new moon.
#pragma once

#include <string>

#include "base/outcome.h"
#include "engine/calendar.h"

namespace sternwerk {

enum class MoonPhaseName {
  kNew,
  kWaxingCrescent,
  kFirstQuarter,
  kWaxingGibbous,
  kFull,
  kWaningGibbous,
  kLastQuarter,
  kWaningCrescent
};

struct MoonPhase {
  MoonPhaseName name = MoonPhaseName::kNew;
  double elongation = 0;   // degrees, the Moon's longitude minus the Sun's, [0, 360)
  double illuminated = 0;  // fraction of the disc lit, 0 to 1
  double ageDays = 0;      // days since the last new moon
};

// The phase's name: "Neumond", "Zunehmende Sichel", "Erstes Viertel",
// "Zunehmender Mond", "Vollmond", "Abnehmender Mond", "Letztes Viertel",
// "Abnehmende Sichel"; in English "New moon", "Waxing crescent" ...
std::string MoonPhaseText(MoonPhaseName name);

// The name of a phase by the elongation (degrees, any value): new, first
// quarter, full and last quarter for the day around each (the elongation
// within half a day's mean motion of 0, 90, 180, 270 degrees), the
// crescents and gibbous phases between.
MoonPhaseName PhaseNameOf(double elongation);

// MoonPhaseAt: the Moon's phase at an instant (Universal Time), seen from
// the Earth's centre; the library's message where it cannot compute it.
// The age is counted to the new moon found by the geocentric apparent
// longitudes of the Sun and Moon, to about a second.
Outcome<MoonPhase> MoonPhaseAt(ClockSeconds instant);

}  // namespace sternwerk
