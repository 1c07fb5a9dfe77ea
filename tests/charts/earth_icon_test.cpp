// The Earth icon: a disc on a transparent square, white at the pole.
#include "charts/earth_icon.h"

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
  EXPECT_EQ(&EarthIconOnWhite(), &EarthIconOnWhite()) << "composited once, not per drawing";
  EXPECT_EQ(EarthIconOnWhite(), EarthIconOn({255, 255, 255}));
}

// Where the icon leaves the screen (metafiles, PDF, print) nothing may be
// see-through: readers that drop alpha show black, printers rasterise.
TEST(EarthIcon, OnItsGroundEveryPixelIsOpaqueAndTheCornersTakeTheGround) {
  const Image icon = EarthIcon();
  const Image onNavy = EarthIconOn({0, 0, 128});
  ASSERT_EQ(onNavy.pixels.size(), icon.pixels.size());
  for (std::size_t i = 0; i < icon.pixels.size(); ++i) {
    EXPECT_EQ(Alpha(onNavy.pixels[i]), 0xFFu) << i;
    if (Alpha(icon.pixels[i]) == 0xFF) {
      EXPECT_EQ(onNavy.pixels[i], icon.pixels[i]) << i;
    }
  }
  EXPECT_EQ(onNavy.pixels.front(), 0xFF000080u);
  EXPECT_EQ(onNavy.pixels.back(), 0xFF000080u);
  // An edge pixel lies between the disc's rim and the ground.
  const std::uint32_t edge = onNavy.pixels[16];  // top edge, middle column
  EXPECT_NE(edge, 0xFF000080u);
  EXPECT_NE(edge, icon.pixels[16] | 0xFF000000u);
}

}  // namespace
}  // namespace sternwerk
