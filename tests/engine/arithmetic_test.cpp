#include "engine/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sternwerk {
namespace {

TEST(Arithmetic, TruncationTowardZero) {
  EXPECT_EQ(Int(2.7), 2);
  EXPECT_EQ(Int(-2.7), -2);
  EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
}

TEST(Arithmetic, Mod360KeepsTheSignAndFloorModDoesNot) {
  EXPECT_EQ(Mod360(370), 10);
  EXPECT_EQ(Mod360(-10), -10);
  EXPECT_EQ(Mod360(-370), -10);
  EXPECT_EQ(FloorMod(360, -10), 350);
  EXPECT_NEAR(FloorMod(360, 725), 5, 1e-12);
  EXPECT_GE(FloorMod(2 * M_PI, -1e-18), 0);
}

TEST(Arithmetic, ToPolarGivesAnglesInEveryQuadrant) {
  const double eps = 1.7e-9;
  EXPECT_NEAR(ToPolar(1, 1, eps).angle, M_PI / 4, 1e-15);
  EXPECT_NEAR(ToPolar(1, -1, eps).angle, 3 * M_PI / 4, 1e-15);
  EXPECT_NEAR(ToPolar(-1, -1, eps).angle, 5 * M_PI / 4, 1e-15);
  EXPECT_NEAR(ToPolar(-1, 1, eps).angle, 7 * M_PI / 4, 1e-15);
  EXPECT_NEAR(ToPolar(2, 0, eps).angle, M_PI / 2, 1e-15);
  EXPECT_NEAR(ToPolar(-2, 0, eps).angle, 3 * M_PI / 2, 1e-15);
  EXPECT_NEAR(ToPolar(-2, 0, eps).radius, 2, 1e-15);
}

TEST(Arithmetic, ExactZerosAreReplacedByTheCallersEpsilon) {
  const double eps = 1.7e-9;
  const Polar negativeAxis = ToPolar(0, -3, eps);  // y = 0 becomes eps: just below pi
  EXPECT_NEAR(negativeAxis.angle, M_PI, 1e-9);
  EXPECT_LT(negativeAxis.angle, M_PI);
  EXPECT_NEAR(ToPolar(0, 3, eps).angle, eps / 3, 1e-20);
  EXPECT_EQ(FromPolar(2, 0, eps).y, 2 * std::sin(eps));
}

}  // namespace
}  // namespace sternwerk
