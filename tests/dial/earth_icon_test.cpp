// The Earth icon: a disc on a transparent square, white at the pole.
#include "dial/earth_icon.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace sternwerk {
namespace {

std::uint32_t Alpha(std::uint32_t argb) {
  return argb >> 24;
}

TEST(EarthIcon, OpaqueDiscWithWhitePoleOnTransparentCorners) {
  const Image icon = EarthIcon();
  ASSERT_EQ(icon.width, 32);
  ASSERT_EQ(icon.height, 32);
  ASSERT_EQ(icon.pixels.size(), 32u * 32u);
  const auto at = [&](int x, int y) { return icon.pixels[y * icon.width + x]; };

  for (int corner : {0, 31}) {
    EXPECT_EQ(Alpha(at(corner, 0)), 0u);
    EXPECT_EQ(Alpha(at(corner, 31)), 0u);
  }
  EXPECT_EQ(at(16, 16), 0xFFFFFFFFu);  // the pole

  // Most of the disc is opaque cyan.
  int cyan = 0;
  for (std::uint32_t pixel : icon.pixels) cyan += pixel == 0xFF00FFFFu;
  EXPECT_GT(cyan, 300);
}

TEST(EarthIcon, SameIconEveryTime) {
  EXPECT_EQ(EarthIcon(), EarthIcon());
}

}  // namespace
}  // namespace sternwerk
