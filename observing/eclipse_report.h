// The figures of an eclipse as lines of text, the same in sternwerk-sky's
// search and in the clock window's result (UTF-8, in the language shown).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "observing/lunar_eclipse.h"
#include "observing/solar_eclipse.h"

namespace sternwerk {

// How the caller writes an instant (Universal Time) in these lines, e.g.
// "02.08.2027 13:05:18 EEST (10:05:18 UT)".
using EclipseInstantText = std::function<std::string(ClockSeconds instant)>;

// SolarEclipseLines: what follows the kind of a solar eclipse seen from a
// place.
//
// Given:   eclipse  as NextSolarEclipse gives it
//          when     writes each instant
// Returned:
//          "Größe: 1,077", "Bedeckung: 100,0 %", "Maximum: …", "Sonnenhöhe
//          im Maximum: +62,3°", a line per contact ("C1: …, Sonne +58,0°",
//          " (unter dem Horizont)" after a contact the Sun is down at),
//          the duration of totality or annularity where both its contacts
//          happen there, and the sunrise or sunset during the eclipse.
std::vector<std::string> SolarEclipseLines(const LocalSolarEclipse& eclipse,
                                           const EclipseInstantText& when);

// LunarEclipseLines: what follows the kind of a lunar eclipse: the umbral
// and penumbral magnitudes, "Maximum: …", the Moon's altitude at the
// maximum (", nicht sichtbar" after it where the place sees no part of the
// eclipse) and a line per contact as for a solar eclipse.
std::vector<std::string> LunarEclipseLines(const LunarEclipse& eclipse,
                                           const EclipseInstantText& when);

}  // namespace sternwerk
