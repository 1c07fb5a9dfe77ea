// The twelve house cusps of a chart in one of the common house systems,
// computed by the Swiss Ephemeris.
//
// References:
//   Swiss Ephemeris, programmer's documentation, swe_houses_ex(): the
//     systems by their letters; inside the polar circles Placidus and Koch
//     are undefined, the library then reports an error.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "base/outcome.h"
#include "engine/sky_state.h"

namespace sternwerk {

// The house systems, each named by the letter astrology programs commonly
// give it (and the library takes).
enum class HouseSystem : char {
  kPlacidus = 'P',
  kKoch = 'K',
  kRegiomontanus = 'R',
  kCampanus = 'C',
  kEqual = 'E',  // from the ascendant, 30 degrees each
  kWholeSign = 'W',
  kPorphyry = 'O',
  kMeridian = 'X',  // axial rotation
  kTopocentric = 'T',
  kAlcabitius = 'B',
  kMorinus = 'M',
};

inline constexpr HouseSystem kDefaultHouseSystem = HouseSystem::kPlacidus;
inline constexpr int kHouses = 12;

// The system of a letter (upper or lower case), or none.
std::optional<HouseSystem> HouseSystemOfLetter(char letter);

// The letters of every system, "PKRCEWOXTBM".
std::string HouseSystemLetters();

// The system's name in the language shown ("Placidus", "Äquale Häuser
// (vom AS)", ...), UTF-8.
std::string HouseSystemName(HouseSystem system);

struct HouseCusps {
  HouseSystem system = kDefaultHouseSystem;  // the system the cusps are of
  // Longitudes of the cusps of houses 1 to 12, degrees in [0, 360).
  std::array<double, kHouses> cusps{};
  // Empty, or why another system than the one asked for was used (UTF-8).
  std::string note;
};

// ComputeHouseCusps: the cusps of `system` for the sky's instant and place.
//
// Given:   the sky's Julian centuries (ComputeTime must have run; Universal
//          Time) and its place (degrees, east and north positive)
// Returned:
//          the cusps of `system`; where the library cannot compute them
//          there (Placidus and Koch inside the polar circles), Porphyry's
//          with a note naming the system asked for; a failure where not
//          even Porphyry's can be computed.
Outcome<HouseCusps> ComputeHouseCusps(const SkyState& sky, HouseSystem system);

}  // namespace sternwerk
