// How the factors are shown: their colour on the dial and the enlarged
// chart, and their names and those of the signs in the legend.
#pragma once

#include <array>

#include "base/translation.h"
#include "engine/factors.h"
#include "platform/colors.h"

namespace sternwerk {

// The legend's texts, UTF-8 German source texts of the translation
// context kLegendContext (see base/translation.h).
inline constexpr const char* kLegendContext = "sternwerk::Legend";

// Legend lines of factors 0..21, trailing blanks as shown in the legend.
inline constexpr std::array<const char*, kDrawnFactors> kLegendNames = {
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Medium Coeli"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Widder   "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Sonne"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Ascendent"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Mond"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Mond-Knoten "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Merkur"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Venus"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Mars"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Jupiter"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Saturn"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Uranus"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Neptun"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Pluto"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Cupido "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Hades "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Zeus "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Kronos "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Apollon "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Admetos "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Vulkanus "),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Poseidon ")};

// The signs' names, Aries to Pisces, beside their abbreviations in the
// legend.
inline constexpr std::array<const char*, 12> kSignNames = {
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Widder"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Stier"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Zwillinge"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Krebs"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Löwe"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Jungfrau"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Waage"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Skorpion"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Schütze"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Steinbock"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Wassermann"),
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Fische")};

// GZ has no glyph; the legend spells out its code.
inline constexpr const char* kGZName =
    QT_TRANSLATE_NOOP("sternwerk::Legend", "Galaktisches Zentrum");

// Pen and text colour of a factor on the main dial.
constexpr Rgb DialColour(int factor) {
  if (factor == kMC) return kGreen;
  if (factor == kAscendant) return kRed;
  return kNavy;
}

}  // namespace sternwerk
