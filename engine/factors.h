// Factor numbers, the factor table and the zodiac sign tables.
#pragma once

#include <array>
#include <string_view>

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

// Two-letter codes of factors 0..23, compared in this order with a typed code.
inline constexpr std::array<std::string_view, kFactorSlots> kFactorCodes = {
    "MC", "WI", "SO", "AS", "MO", "KN", "ME", "VE", "MA", "JU", "SA", "UR",
    "NE", "PL", "CU", "HA", "ZE", "KR", "AP", "AD", "VU", "PO", "GZ", "--"};

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
    "WID", "STI", "ZWI", "KRE", "LOE", "JUN", "WAA", "SKO", "SCH", "STE", "WAS", "FIS"};

// Sign of an ecliptic longitude in degrees, 0..11 for any finite value:
// longitudes a little past 360 (Sun, Moon) fall into Aries again.
int SignIndex(double longitude);

}  // namespace sternwerk
