// Where factor labels go: the stacked rings, the fallback onto the line's
// end, the two groups, and the integer angle that drives both.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/support/dial_test_support.h"

namespace sternwerk::testing {
namespace {

// With the MC at 90 the screen angle equals the longitude.
constexpr double kMcAtTop = 90;

TEST(DialLabelRings, LabelsCloseTogetherStackOutwardsRingByRing) {
  // The Sun on the MC's longitude stands beside the MC at the top, and the
  // MC's label has already claimed that angle.
  const Picture sunOnMc = DialOf(SkyWith({{kMC, 123.4}, {kSun, 123.4}}, false, false, 300));
  EXPECT_EQ(LabelRadius(sunOnMc, kMC), 235);
  EXPECT_EQ(LabelRadius(sunOnMc, kSun), 250);

  // Labels three degrees apart still see each other; four apart do not.
  const Picture near = DialOf(SkyWith(
      {{kMC, kMcAtTop}, {kSun, 200.2}, {kMoon, 203.2}, {kMercury, 207.9}}, false, false, 300));
  EXPECT_EQ(LabelRadius(near, kSun), 235);
  EXPECT_EQ(LabelRadius(near, kMoon), 250);
  EXPECT_EQ(LabelRadius(near, kMercury), 235);
}

TEST(DialLabelRings, FifthLabelInOnePlaceCoversTheEndOfItsOwnLine) {
  const double same = 200.6;
  const ShownSky sky = SkyWith({{kMC, kMcAtTop},
                                {kSun, same},
                                {kMoon, same},
                                {kMercury, same},
                                {kVenus, same},
                                {kMars, same},
                                {kJupiter, same}},
                               false, true, 20);
  const Picture dial = DialOf(sky);
  EXPECT_EQ(LabelRadius(dial, kSun), 235);
  EXPECT_EQ(LabelRadius(dial, kMoon), 250);
  EXPECT_EQ(LabelRadius(dial, kMercury), 265);
  EXPECT_EQ(LabelRadius(dial, kVenus), 280);

  // The fifth and sixth stand exactly where their ticks start, on the
  // unshifted angle, covering each other.
  const Point lineEnd{260 + static_cast<int>(220 * std::cos(same * std::numbers::pi / 180)),
                      260 - static_cast<int>(220 * std::sin(same * std::numbers::pi / 180))};
  for (int factor : {kMars, kJupiter}) {
    SCOPED_TRACE(factor);
    ASSERT_TRUE(LabelOf(dial, factor));
    EXPECT_EQ(LabelOf(dial, factor)->at, lineEnd);
  }
  bool tickFromLineEnd = false;
  for (const LineOp& line : dial.Lines()) tickFromLineEnd |= line.from == lineEnd;
  EXPECT_TRUE(tickFromLineEnd);
}

TEST(DialLabelRings, HypotheticalPointsStackInwardsAndNeverMeetThePlanets) {
  const double same = 45.3;
  const ShownSky sky = SkyWith(
      {{kMC, kMcAtTop}, {kJupiter, same}, {kCupido, same}, {kHades, same + 2}, {kZeus, same - 1}},
      true, false, 250);
  const Picture dial = DialOf(sky);
  EXPECT_EQ(LabelRadius(dial, kJupiter), 235);
  EXPECT_EQ(LabelRadius(dial, kCupido), 200);
  EXPECT_EQ(LabelRadius(dial, kHades), 185);
  EXPECT_EQ(LabelRadius(dial, kZeus), 170);
}

TEST(DialLabelRings, CountersDoNotWrapAroundTheRightwardHorizontal) {
  // Integer angles 359 and 1 lie two degrees apart on the dial yet do not
  // count each other, while 359 and 357 do.
  const Picture dial = DialOf(SkyWith(
      {{kMC, kMcAtTop}, {kSun, 359.5}, {kMoon, 1.2}, {kMercury, 357.4}}, false, false, 180));
  EXPECT_EQ(LabelRadius(dial, kSun), 235);
  EXPECT_EQ(LabelRadius(dial, kMoon), 235);
  EXPECT_EQ(LabelRadius(dial, kMercury), 250);
}

TEST(DialLabelRings, IntegerAngleTruncatesTowardZeroAndKeeps360) {
  // Screen angle -0.5 (longitude 0 with the MC at 90.5) has integer angle 0,
  // so a label turned as if at 0 and sharing counters with angle 2.
  const Picture below = DialOf(SkyWith({{kMC, 90.5}, {kSun, 0}, {kMoon, 3.2}}, false, false, 180));
  ASSERT_TRUE(LabelOf(below, kSun));
  EXPECT_EQ(LabelOf(below, kSun)->font.escapement, 2700);
  EXPECT_EQ(LabelRadius(below, kMoon), 250);

  // Screen angle 360.5 keeps integer angle 360: turned by 360 + 270 degrees
  // and sharing counters with 358, not with 0 or 1.
  const Picture above = DialOf(
      SkyWith({{kMC, 0}, {kSun, 270.5}, {kMoon, 268.9}, {kMercury, 271.6}}, false, false, 180));
  ASSERT_TRUE(LabelOf(above, kSun));
  EXPECT_EQ(LabelOf(above, kSun)->font.escapement, 6300);
  EXPECT_EQ(LabelRadius(above, kSun), 235);
  EXPECT_EQ(LabelRadius(above, kMoon), 250);
  EXPECT_EQ(LabelRadius(above, kMercury), 235);
}

}  // namespace
}  // namespace sternwerk::testing
