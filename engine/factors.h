// Factor numbers, the factor table and the zodiac sign tables.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/translation.h"

namespace sternwerk {

// Factor numbers; each is also the index into SkyState::longitudes.
enum Factor : int {
  kMC = 0,
  kAriesPoint = 1,
  kSun = 2,
  kAscendant = 3,
  kMoon = 4,
  kLunarNode = 5,
  kMercury = 6,
  kVenus = 7,
  kMars = 8,
  kJupiter = 9,
  kSaturn = 10,
  kUranus = 11,
  kNeptune = 12,
  kPluto = 13,
  kCupido = 14,
  kHades = 15,
  kZeus = 16,
  kKronos = 17,
  kApollon = 18,
  kAdmetos = 19,
  kVulkanus = 20,
  kPoseidon = 21,
  kGZ = 22,  // GZ, the galactic centre ("Galaktisches Zentrum")
  kUnusedSlot = 23,
};

inline constexpr int kFactorSlots = 24;
inline constexpr int kDrawnFactors = 22;  // 0..21: the 22-factor set

// The German two-letter codes of factors 0..23, which files and --tsv keep
// whatever the language shown; the marks give the codes of the language
// shown (ShownFactorCode).
inline constexpr std::array<std::string_view, kFactorSlots> kFactorCodes = {
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "MC"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "WI"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "SO"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "AS"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "MO"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "KN"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "ME"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "VE"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "MA"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "JU"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "SA"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "UR"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "NE"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "PL"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "CU"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "HA"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "ZE"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "KR"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "AP"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "AD"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "VU"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "PO"),
    QT_TRANSLATE_NOOP("sternwerk::FactorCodes", "GZ"),
    "--"};

// The symbol-font character drawing factor i (0..21) is 'a' + i.
constexpr char FactorGlyph(int factor) {
  return static_cast<char>('a' + factor);
}

// True when the factor belongs to the chosen factor set (0..21 only).
constexpr bool InFactorSet(int factor, bool transplutonian) {
  if (factor < 0 || factor >= kDrawnFactors) return false;
  if (transplutonian) return true;
  return factor != kAriesPoint && factor != kLunarNode && factor <= kPluto;
}

// Zodiac signs 0..11, Aries to Pisces: symbol-font glyphs and text fallbacks.
inline constexpr std::string_view kSignGlyphs = "()?*+#!\xA7$%&/";
inline constexpr std::array<std::string_view, 12> kSignAbbreviations = {
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "WID"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "STI"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "ZWI"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "KRE"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "LOE"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "JUN"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "WAA"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "SKO"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "SCH"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "STE"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "WAS"),
    QT_TRANSLATE_NOOP("sternwerk::SignAbbreviations", "FIS")};

// The code of factor 0..23 and the abbreviation of sign 0..11 in the
// language shown (ASCII, so equal in UTF-8 and Windows-1252).
std::string ShownFactorCode(int factor);
std::string ShownSignAbbreviation(int sign);

// Sign of an ecliptic longitude in degrees, 0..11 for any finite value:
// longitudes a little past 360 (Sun, Moon) fall into Aries again.
int SignIndex(double longitude);

}  // namespace sternwerk
