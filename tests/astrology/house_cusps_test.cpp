// House cusps per system and latitude: the systems built on the axes
// checked against the axes by hand, the quadrant systems against the axes
// and their order, and the polar fallback.
#include "astrology/house_cusps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/factors.h"
#include "engine/sky.h"
#include "tests/support/sky_at.h"

namespace sternwerk {
namespace {

using testing::SkyAt;

constexpr double kArcsecond = 1.0 / 3600;

struct Place {
  const char* name;
  double longitude, latitude;
};

constexpr Place kPlaces[] = {{"Berlin", 13.4, 52.5},
                             {"Quito", -78.5, -0.2},
                             {"Sydney", 151.2, -33.9},
                             {"Reykjavik", -21.9, 64.1}};

double Turn(double from, double to) {
  return std::remainder(to - from, 360.0);
}

// The forward arc from `from` to `to`, [0, 360).
double Arc(double from, double to) {
  const double arc = std::fmod(to - from + 720, 360.0);
  return arc;
}

// The sky at a place on a fixed date, with the library's axes.
SkyState PreciseSkyAt(const Place& place, double hours = 9.75) {
  SkyState sky = SkyAt(17, 3, 2031, hours, place.longitude, place.latitude);
  EXPECT_EQ(ComputeSky(sky, ComputationMode::kPrecise).used, ComputationUsed::kEphemerisFiles);
  return sky;
}

TEST(HouseSystems, LettersNameTheSystemsInEitherCase) {
  EXPECT_EQ(HouseSystemLetters(), "PKRCEWOXTBM");
  for (const char letter : HouseSystemLetters()) {
    ASSERT_TRUE(HouseSystemOfLetter(letter)) << letter;
    EXPECT_EQ(static_cast<char>(*HouseSystemOfLetter(letter)), letter);
    EXPECT_EQ(HouseSystemOfLetter(static_cast<char>(std::tolower(letter))),
              HouseSystemOfLetter(letter));
    EXPECT_FALSE(HouseSystemName(*HouseSystemOfLetter(letter)).empty());
  }
  for (const char letter : {'A', 'G', 'Z', '1', ' ', '\0'})
    EXPECT_FALSE(HouseSystemOfLetter(letter)) << static_cast<int>(letter);
}

// Equal, whole-sign and Porphyry cusps follow from AS and MC alone.
TEST(HouseCusps, AxisBuiltSystemsFollowFromTheAxesByHand) {
  using Expected = std::function<double(int house, double as, double mc)>;
  const struct {
    HouseSystem system;
    Expected cusp;
  } cases[] = {
      {HouseSystem::kEqual, [](int house, double as, double) { return as + 30 * house; }},
      {HouseSystem::kWholeSign,
       [](int house, double as, double) { return 30 * std::floor(as / 30) + 30 * house; }},
      {HouseSystem::kPorphyry,
       [](int house, double as, double mc) {
         // Each quadrant from an angle to the next divided in three.
         const double angles[] = {as, mc + 180, as + 180, mc, as};
         const int quadrant = house / 3;
         const double start = angles[quadrant];
         return start + Arc(start, angles[quadrant + 1]) * (house % 3) / 3;
       }},
  };
  for (const Place& place : kPlaces) {
    const SkyState sky = PreciseSkyAt(place);
    const double as = sky.longitudes[kAscendant], mc = sky.longitudes[kMC];
    for (const auto& [system, cusp] : cases) {
      const Outcome<HouseCusps> houses = ComputeHouseCusps(sky, system);
      ASSERT_TRUE(houses.ok()) << houses.error();
      EXPECT_EQ(houses.value().system, system);
      EXPECT_TRUE(houses.value().note.empty());
      for (int house = 0; house < kHouses; ++house) {
        EXPECT_NEAR(Turn(houses.value().cusps[house], cusp(house, as, mc)), 0, kArcsecond)
            << place.name << " " << static_cast<char>(system) << " H" << house + 1;
      }
    }
  }
}

// Every system gives twelve cusps in zodiacal order; the quadrant systems
// put the AS on the first and the MC on the tenth.
TEST(HouseCusps, EverySystemRunsRoundTheZodiacFromTheAxes) {
  const std::string quadrantSystems = "PKRCOTB";
  for (const Place& place : kPlaces) {
    for (const double hours : {0.0, 6.5, 13.0, 19.5}) {
      const SkyState sky = PreciseSkyAt(place, hours);
      for (const char letter : HouseSystemLetters()) {
        const Outcome<HouseCusps> houses = ComputeHouseCusps(sky, *HouseSystemOfLetter(letter));
        ASSERT_TRUE(houses.ok()) << houses.error();
        const auto& cusps = houses.value().cusps;
        double round = 0;
        for (int house = 0; house < kHouses; ++house) {
          const double arc = Arc(cusps[house], cusps[(house + 1) % kHouses]);
          EXPECT_GT(arc, 0) << place.name << " " << letter << " H" << house + 1;
          EXPECT_LT(arc, 180) << place.name << " " << letter << " H" << house + 1;
          round += arc;
          EXPECT_GE(cusps[house], 0);
          EXPECT_LT(cusps[house], 360);
        }
        EXPECT_NEAR(round, 360, 1e-9) << place.name << " " << letter;
        if (quadrantSystems.find(letter) == std::string::npos) continue;
        EXPECT_NEAR(Turn(cusps[0], sky.longitudes[kAscendant]), 0, kArcsecond) << letter;
        EXPECT_NEAR(Turn(cusps[9], sky.longitudes[kMC]), 0, kArcsecond) << letter;
      }
    }
  }
}

// Tromsø in the polar night: Placidus and Koch are undefined and give way
// to Porphyry with a note; the other systems stand.
TEST(HouseCusps, InsideThePolarCirclePlacidusAndKochGiveWayToPorphyry) {
  SkyState sky = SkyAt(1, 1, 2027, 12, 18.96, 69.65);
  ComputeSky(sky, ComputationMode::kPrecise);
  const HouseCusps porphyry = ComputeHouseCusps(sky, HouseSystem::kPorphyry).value();
  for (const HouseSystem system : {HouseSystem::kPlacidus, HouseSystem::kKoch}) {
    const Outcome<HouseCusps> houses = ComputeHouseCusps(sky, system);
    ASSERT_TRUE(houses.ok()) << houses.error();
    EXPECT_EQ(houses.value().system, HouseSystem::kPorphyry);
    EXPECT_EQ(houses.value().cusps, porphyry.cusps);
    EXPECT_NE(houses.value().note.find(HouseSystemName(system)), std::string::npos)
        << houses.value().note;
  }
  for (const HouseSystem system : {HouseSystem::kRegiomontanus, HouseSystem::kCampanus,
                                   HouseSystem::kEqual, HouseSystem::kTopocentric}) {
    const HouseCusps houses = ComputeHouseCusps(sky, system).value();
    EXPECT_EQ(houses.system, system);
    EXPECT_TRUE(houses.note.empty()) << houses.note;
  }
}

}  // namespace
}  // namespace sternwerk
