// The lines of the position list beside the dial.
#pragma once

#include <string>
#include <vector>

#include "astrology/house_cusps.h"
#include "base/translation.h"
#include "engine/display_options.h"
#include "engine/sky_state.h"

namespace sternwerk {

inline constexpr const char* kPositionListHeading =
    QT_TRANSLATE_NOOP("sternwerk::PositionList", " Die Planeten-Positionen:");
// The precise mode, from the files or the analytical theory (both to
// arcseconds), and the own computation standing in for it. Short enough for
// the list's width.
inline constexpr const char* kPreciseListHeading =
    QT_TRANSLATE_NOOP("sternwerk::PositionList", " Die Positionen (genau):");
inline constexpr const char* kFallbackListHeading =
    QT_TRANSLATE_NOOP("sternwerk::PositionList", " Positionen (nur eigene):");

// The heading in the language shown, naming the computation unless the own
// one was chosen.
std::string PositionListHeading(ComputationUsed computation);

// The heading, then one line per factor of the sky's factor set in ascending
// order (Windows-1252).
std::vector<std::string> PositionListLines(const SkyState& sky, const DisplayOptions& options);

// The lines after the factors where houses are shown: the cusps of `system`
// for the sky's instant and place (HouseLines, as sternwerk-sky --houses
// writes them), then the note of a fallback or the reason none could be
// computed, broken into lines no wider than the cusps' (Windows-1252).
std::vector<std::string> HouseListLines(const SkyState& sky, HouseSystem system);

}  // namespace sternwerk
