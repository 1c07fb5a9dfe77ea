#include "astrology/house_cusps.h"

#include <swephexp.h>

#include <cctype>

#include "base/translation.h"
#include "engine/calendar.h"

namespace sternwerk {
namespace {

constexpr const char* kContext = "sternwerk::Houses";
// swe_houses_ex fills cusps[1..12]; cusps[0] is unused.
constexpr int kLibraryCuspSlots = kHouses + 1;
constexpr int kAscmcSlots = 10;
constexpr int32 kTropical = 0;
constexpr HouseSystem kFallbackSystem = HouseSystem::kPorphyry;

constexpr std::array<HouseSystem, 11> kSystems = {
    HouseSystem::kPlacidus,   HouseSystem::kKoch,     HouseSystem::kRegiomontanus,
    HouseSystem::kCampanus,   HouseSystem::kEqual,    HouseSystem::kWholeSign,
    HouseSystem::kPorphyry,   HouseSystem::kMeridian, HouseSystem::kTopocentric,
    HouseSystem::kAlcabitius, HouseSystem::kMorinus};

const char* NameSource(HouseSystem system) {
  switch (system) {
    case HouseSystem::kPlacidus:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Placidus");
    case HouseSystem::kKoch:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Koch");
    case HouseSystem::kRegiomontanus:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Regiomontanus");
    case HouseSystem::kCampanus:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Campanus");
    case HouseSystem::kEqual:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Äqual (vom AS)");
    case HouseSystem::kWholeSign:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Ganze Zeichen");
    case HouseSystem::kPorphyry:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Porphyrius");
    case HouseSystem::kMeridian:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Meridian (axial)");
    case HouseSystem::kTopocentric:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Topozentrisch");
    case HouseSystem::kAlcabitius:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Alcabitius");
    case HouseSystem::kMorinus:
      return QT_TRANSLATE_NOOP("sternwerk::Houses", "Morinus");
  }
  return "";
}

double JulianDayUT(const SkyState& sky) {
  return kEpochJD + sky.centuries * kDaysPerCentury;
}

// The cusps of one system, or nothing where the library reports an error.
std::optional<HouseCusps> LibraryCusps(const SkyState& sky, HouseSystem system) {
  std::array<double, kLibraryCuspSlots> cusps{};
  std::array<double, kAscmcSlots> ascmc{};
  if (swe_houses_ex(JulianDayUT(sky), kTropical, sky.latitude, sky.longitude,
                    static_cast<int>(system), cusps.data(), ascmc.data()) < 0) {
    return std::nullopt;
  }
  HouseCusps result;
  result.system = system;
  for (int house = 0; house < kHouses; ++house)
    result.cusps[static_cast<std::size_t>(house)] = cusps[static_cast<std::size_t>(house) + 1];
  return result;
}

}  // namespace

std::optional<HouseSystem> HouseSystemOfLetter(char letter) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  for (const HouseSystem system : kSystems) {
    if (static_cast<char>(system) == upper) return system;
  }
  return std::nullopt;
}

std::string HouseSystemLetters() {
  std::string letters;
  for (const HouseSystem system : kSystems) letters += static_cast<char>(system);
  return letters;
}

std::string HouseSystemName(HouseSystem system) {
  return Translated(kContext, NameSource(system));
}

Outcome<HouseCusps> ComputeHouseCusps(const SkyState& sky, HouseSystem system) {
  if (std::optional<HouseCusps> cusps = LibraryCusps(sky, system))
    return Outcome<HouseCusps>::Success(std::move(*cusps));
  std::optional<HouseCusps> fallback = LibraryCusps(sky, kFallbackSystem);
  if (!fallback) {
    return Outcome<HouseCusps>::Failure(WithArguments(
        Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::Houses",
                                               "Häuser in dieser Breite nicht berechenbar (%1)")),
        {HouseSystemName(system)}));
  }
  fallback->note = WithArguments(
      Translated(kContext,
                 QT_TRANSLATE_NOOP("sternwerk::Houses",
                                   "%1 ist in dieser Breite nicht definiert; Häuser nach %2")),
      {HouseSystemName(system), HouseSystemName(kFallbackSystem)});
  return Outcome<HouseCusps>::Success(std::move(*fallback));
}

}  // namespace sternwerk
