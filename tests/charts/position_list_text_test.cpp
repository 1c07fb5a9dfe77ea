// The position list beside the dial: heading and one line per factor of the
// chosen set.
#include "charts/position_list_text.h"

#include <gtest/gtest.h>

#include "tests/support/dial_test_support.h"
#include "tests/support/sky_at.h"

namespace sternwerk::testing {
namespace {

std::vector<std::string> ListOf(const ShownSky& sky) {
  return PositionListLines(sky, sky.options);
}

std::vector<std::string> Codes(const std::vector<std::string>& lines) {
  std::vector<std::string> codes;
  for (std::size_t i = 1; i < lines.size(); ++i) codes.push_back(lines[i].substr(1, 2));
  return codes;
}

TEST(PositionList, OneLinePerFactorOfTheSetUnderTheHeading) {
  const std::vector<std::string> twelve = ListOf(SkyWith({}, false, false, 100));
  ASSERT_EQ(twelve.size(), 13u);
  EXPECT_EQ(twelve[0], " Die Planeten-Positionen:");
  EXPECT_EQ(Codes(twelve), (std::vector<std::string>{"MC", "SO", "AS", "MO", "ME", "VE", "MA", "JU",
                                                     "SA", "UR", "NE", "PL"}));

  const std::vector<std::string> all = ListOf(SkyWith({}, true, false, 100));
  ASSERT_EQ(all.size(), 23u);
  EXPECT_EQ(all[2].substr(0, 4), " WI ");
  EXPECT_EQ(all[6].substr(0, 4), " KN ");
  EXPECT_EQ(all[22].substr(0, 4), " PO ");
}

// The house lines under the factors: twelve cusps, then where Placidus is
// undefined (Tromsø in the polar night) the whole note in lines no wider
// than a cusp's.
TEST(PositionList, HouseLinesEndWithTheNoteBrokenToTheListsWidth) {
  const std::vector<std::string> lines =
      HouseListLines(ComputedSkyAt(1, 1, 2027, 12, 18.96, 69.65), HouseSystem::kPlacidus);
  ASSERT_GT(lines.size(), 13u);
  EXPECT_EQ(lines[11].substr(0, 4), "H12 ");
  std::string note;
  for (std::size_t line = 12; line < lines.size(); ++line) {
    EXPECT_LE(lines[line].size(), lines[0].size()) << lines[line];
    note += (note.empty() ? "" : " ") + lines[line];
  }
  EXPECT_EQ(note, "Placidus ist in dieser Breite nicht definiert; H\xE4user nach Porphyrius");
}

TEST(PositionList, LinesShowEachFactorsOwnLongitude) {
  const std::vector<std::string> lines =
      ListOf(SkyWith({{kMC, 0}, {kSun, 255.5034}, {kMoon, 360.004}}, false, false, 100));
  EXPECT_EQ(lines[1],
            " MC 000\xB0"
            "00'00\"=00\xB0"
            "00'WID");
  EXPECT_EQ(lines[2],
            " SO 255\xB0"
            "30'12\"=15\xB0"
            "30'SCH");
  // A longitude just past 360 has no sign to name.
  EXPECT_EQ(lines[4].substr(lines[4].size() - 3), "00'");
}

}  // namespace
}  // namespace sternwerk::testing
