// The clock's eclipse searches: which eclipse, the banner while it is
// searched, and how its result writes the instants of the eclipse.
#pragma once

#include <functional>
#include <string>

#include "engine/calendar.h"
#include "observing/eclipse_report.h"
#include "places/local_time.h"

namespace sternwerk {

// The next solar eclipse seen from the clock's place, or the next lunar
// eclipse.
enum class EclipseSearch { kSolar, kLunar };

// The banner over the dial while the search runs (UTF-8), e.g.
// "    Nächste Sonnenfinsternis wird gesucht      ".
std::string EclipseProgressText(EclipseSearch search);

// The local reading of an instant at the clock's place.
using LocalReadingOf = std::function<LocalTime(ClockSeconds universal)>;

// How the clock's eclipse result writes an instant (Windows-1252 zone
// names, so the caller converts the whole line): "10:05:18 WZ/GMT", or
// with `local` the place's time first, "13:05:18 OESZ (10:05:18 WZ/GMT)".
// A reading whose date is not that of the maximum in the reading the date
// line shows (local with `local`, else Universal) has "dd.mm. " before it.
EclipseInstantText ClockEclipseInstantText(ClockSeconds maximum, LocalReadingOf local);

}  // namespace sternwerk
