// What the clock window says about a search: the factor dialog's title, the
// banner while the scan runs, the result written on the dial and the message
// when nothing is found.
#pragma once

#include <string>

#include "engine/event_search.h"
#include "engine/horizon_events.h"

namespace sternwerk {

// The factor dialog's title for rise, set and culmination (UTF-8).
std::string FactorDialogTitle(EventKind kind);

// The banner over the dial while the search runs (UTF-8), e.g.
// "     Heutiger SO-Aufgang wird gesucht          ". With `atHorizon` rise,
// set and culmination are named as the almanac names them
// (HorizonEventName), as in the two texts below.
std::string SearchProgressText(EventKind kind, int factor, bool atHorizon);

// The result on the dial and the enlarged chart (Windows-1252), e.g.
// " SO-Aufgang ", " Vollmond " or " SO-Aufgang am Horizont ".
std::string SearchResultText(EventKind kind, int factor, bool atHorizon);

// Why the event is not found (UTF-8, without a closing stop), as the clock
// and the tool say it: not within the days scanned ("SO-Aufgang in den
// nächsten 31 Tagen nicht gefunden"), or, at the horizon, because the body
// neither rises nor sets there now.
std::string SearchNotFoundReason(EventKind kind, int factor, bool atHorizon);

// Why an event along the ecliptic is not found where the scan reaches the
// calendar's last day (UTF-8): "Vollmond bis zum 31.12.9999 nicht gefunden:
// Dort endet der Kalender".
std::string SearchCalendarEndText(EventKind kind, int factor);

// The clock window's message when the event is not found (UTF-8): the
// reason as a sentence, and that date and time stay as they were.
std::string SearchNotFoundText(EventKind kind, int factor, bool atHorizon);

}  // namespace sternwerk
