// How the factors are shown: their colour on the dial and the enlarged
// chart, and their names and those of the signs in the legend.
#pragma once

#include <array>
#include <string_view>

#include "engine/factors.h"
#include "platform/colors.h"

namespace sternwerk {

// Legend lines of factors 0..21, trailing blanks as shown in the legend.
inline constexpr std::array<std::string_view, kDrawnFactors> kLegendNames = {
    "Medium Coeli", "Widder   ", "Sonne",     "Ascendent", "Mond",   "Mond-Knoten ",
    "Merkur",       "Venus",     "Mars",      "Jupiter",   "Saturn", "Uranus",
    "Neptun",       "Pluto",     "Cupido ",   "Hades ",    "Zeus ",  "Kronos ",
    "Apollon ",     "Admetos ",  "Vulkanus ", "Poseidon "};

// The signs' names, Aries to Pisces, beside their abbreviations
// (kSignAbbreviations) in the legend.
inline constexpr std::array<std::string_view, 12> kSignNames = {
    "Widder", "Stier",    "Zwillinge",  "Krebs",     "L\xF6we",    "Jungfrau",
    "Waage",  "Skorpion", "Sch\xFCtze", "Steinbock", "Wassermann", "Fische"};

// GZ has no glyph; the legend spells out its code.
inline constexpr std::string_view kGZName = "Galaktisches Zentrum";

// Pen and text colour of a factor on the main dial.
constexpr Rgb DialColour(int factor) {
  if (factor == kMC) return kGreen;
  if (factor == kAscendant) return kRed;
  return kNavy;
}

}  // namespace sternwerk
