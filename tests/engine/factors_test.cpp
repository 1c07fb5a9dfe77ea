#include "engine/factors.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace sternwerk {
namespace {

TEST(FactorTable, CodesAreUniqueTwoLetterEntries) {
  std::set<std::string_view> seen;
  for (std::string_view code : kFactorCodes) {
    EXPECT_EQ(code.size(), 2u);
    EXPECT_TRUE(seen.insert(code).second) << code;
  }
  EXPECT_EQ(kFactorCodes[kSun], "SO");
  EXPECT_EQ(kFactorCodes[kMoon], "MO");
  EXPECT_EQ(kFactorCodes[kGZ], "GZ");
}

TEST(FactorTable, TheTwoFactorSets) {
  int twelve = 0, all = 0;
  for (int f = 0; f < kFactorSlots; ++f) {
    twelve += InFactorSet(f, false);
    all += InFactorSet(f, true);
  }
  EXPECT_EQ(twelve, 12);
  EXPECT_EQ(all, 22);
  EXPECT_FALSE(InFactorSet(kAriesPoint, false));
  EXPECT_FALSE(InFactorSet(kLunarNode, false));
  EXPECT_FALSE(InFactorSet(kCupido, false));
  EXPECT_TRUE(InFactorSet(kPluto, false));
  EXPECT_FALSE(InFactorSet(kGZ, true));
}

TEST(FactorTable, Glyphs) {
  EXPECT_EQ(FactorGlyph(kMC), 'a');
  EXPECT_EQ(FactorGlyph(kPoseidon), 'v');
}

TEST(SignIndex, EverySignAndTheEdgesOfTheCircle) {
  EXPECT_EQ(kSignGlyphs.size(), 12u);
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(SignIndex(30.0 * k), k);
    EXPECT_EQ(SignIndex(30.0 * k + 29.999), k);
  }
  EXPECT_EQ(SignIndex(360.0), 0);
  EXPECT_EQ(SignIndex(360.004), 0);
  EXPECT_EQ(SignIndex(-0.5), 11);
  EXPECT_GE(SignIndex(1e300), 0);
  EXPECT_LT(SignIndex(1e300), 12);
  EXPECT_EQ(SignIndex(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(SignIndex(std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
}  // namespace sternwerk
