// What the clock window says about a search: the factor dialog's title, the
// banner while the scan runs, the result written on the dial and the message
// when nothing is found.
#pragma once

#include <string>

#include "engine/event_search.h"

namespace sternwerk {

// The factor dialog's title for rise, set and culmination (UTF-8).
std::string FactorDialogTitle(EventKind kind);

// The banner over the dial while the search runs (UTF-8), e.g.
// "     Heutiger SO-Aufgang wird gesucht          ".
std::string SearchProgressText(EventKind kind, int factor);

// The result on the dial and the enlarged chart (Windows-1252), e.g.
// " SO-Aufgang " or " Vollmond ".
std::string SearchResultText(EventKind kind, int factor);

// The message when the event is not found within the days scanned (UTF-8).
std::string SearchNotFoundText(EventKind kind, int factor);

}  // namespace sternwerk
