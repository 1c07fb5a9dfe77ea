// House cusps per system and latitude: equal, whole-sign and Porphyry cusps
// by hand from the axes, every system in zodiacal order from the axes, and
// the polar fallback.
#include "astrology/house_cusps.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/factors.h"
#include "engine/sky.h"
#include "tests/support/sky_at.h"

namespace sternwerk {
namespace {

constexpr double kArcsecond = 1.0 / 3600;

double Turn(double from, double to) {
  return std::remainder(to - from, 360.0);
}

// The forward arc from `from` to `to`, [0, 360).
double Arc(double from, double to) {
  return std::fmod(to - from + 720, 360.0);
}

// The cusp of house h (0..11) of the systems built on the axes alone.
double ByHand(HouseSystem system, int h, double as, double mc) {
  if (system == HouseSystem::kEqual) return as + 30 * h;
  if (system == HouseSystem::kWholeSign) return 30 * std::floor(as / 30) + 30 * h;
  // Porphyry: each quadrant from an angle to the next divided in three.
  const double angles[] = {as, mc + 180, as + 180, mc, as};
  return angles[h / 3] + Arc(angles[h / 3], angles[h / 3 + 1]) * (h % 3) / 3;
}

// Berlin, Quito, Sydney and Reykjavik at four times of a day.
TEST(HouseCusps, EverySystemRunsRoundTheZodiacFromTheAxes) {
  const std::string quadrantSystems = "PKRCOTB", axisBuilt = "EWO";
  const double places[][2] = {{13.4, 52.5}, {-78.5, -0.2}, {151.2, -33.9}, {-21.9, 64.1}};
  for (int run = 0; run < 16; ++run) {
    SkyState sky =
        testing::SkyAt(17, 3, 2031, 6.5 * (run % 4), places[run / 4][0], places[run / 4][1]);
    ComputeSky(sky, ComputationMode::kPrecise);
    const double as = sky.longitudes[kAscendant], mc = sky.longitudes[kMC];
    for (const char letter : HouseSystemLetters()) {
      const HouseSystem system = *HouseSystemOfLetter(letter);
      const HouseCusps houses = ComputeHouseCusps(sky, system).value();
      const std::string where = std::string(1, letter) + " at " + std::to_string(sky.latitude);
      EXPECT_EQ(houses.system, system) << where;
      EXPECT_TRUE(houses.note.empty()) << where;
      for (int h = 0; h < kHouses; ++h) {
        const double arc = Arc(houses.cusps[h], houses.cusps[(h + 1) % kHouses]);
        EXPECT_TRUE(arc > 0 && arc < 180 && houses.cusps[h] >= 0 && houses.cusps[h] < 360)
            << where << " H" << h + 1;
        if (axisBuilt.find(letter) != std::string::npos) {
          EXPECT_NEAR(Turn(houses.cusps[h], ByHand(system, h, as, mc)), 0, kArcsecond)
              << where << " H" << h + 1;
        }
      }
      if (quadrantSystems.find(letter) == std::string::npos) continue;
      EXPECT_NEAR(Turn(houses.cusps[0], as), 0, kArcsecond) << where;
      EXPECT_NEAR(Turn(houses.cusps[9], mc), 0, kArcsecond) << where;
    }
  }
}

// Tromsø in the polar night: Placidus and Koch give way to Porphyry with a
// note; Regiomontanus stands.
TEST(HouseCusps, InsideThePolarCirclePlacidusAndKochGiveWayToPorphyry) {
  SkyState sky = testing::SkyAt(1, 1, 2027, 12, 18.96, 69.65);
  ComputeSky(sky, ComputationMode::kPrecise);
  const HouseCusps porphyry = ComputeHouseCusps(sky, HouseSystem::kPorphyry).value();
  for (const HouseSystem system : {HouseSystem::kPlacidus, HouseSystem::kKoch}) {
    const HouseCusps houses = ComputeHouseCusps(sky, system).value();
    EXPECT_EQ(houses.system, HouseSystem::kPorphyry);
    EXPECT_EQ(houses.cusps, porphyry.cusps);
    EXPECT_NE(houses.note.find(HouseSystemName(system)), std::string::npos) << houses.note;
  }
  EXPECT_TRUE(ComputeHouseCusps(sky, HouseSystem::kRegiomontanus).value().note.empty());
}

}  // namespace
}  // namespace sternwerk
