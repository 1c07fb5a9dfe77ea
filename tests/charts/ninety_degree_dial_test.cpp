// The 90-degree dial read back from its picture: each factor's tick at four
// times its place on the dial, labels of neighbours across the dial's zero
// on different rings, the pointer with its 45-degree point, and the list of
// what the pointer reads.
#include "charts/ninety_degree_dial.h"

#include <gtest/gtest.h>

#include "engine/factors.h"
#include "platform/colors.h"
#include "platform/polar_point.h"
#include "tests/support/chart_test_support.h"

namespace sternwerk {
namespace {

using testing::HasLine;
using testing::TextNamed;

constexpr Point kCentre{260, 260};

Picture NinetyDialOf(const std::vector<ChartPoint>& points, double pointer, bool symbols = false) {
  Picture picture(kNinetyDialWidth, kNinetyDialHeight);
  Canvas canvas(picture);
  DisplayOptions options;
  options.symbolFontPresent = symbols;
  DrawNinetyDegreeDial(points, pointer, kDefaultDialOrb, options, canvas);
  return picture;
}

// Places on the dial kept off whole minutes, so that the list's truncated
// minutes are those written below.
const std::vector<ChartPoint> kPoints = {{kMC, 89.5, 0},
                                         {kAriesPoint, 0, 0},
                                         {kSun, 190.5, 0},
                                         {kMoon, 325.81, 0},
                                         {kMercury, 11.21, 0}};

TEST(NinetyDegreeDialDrawing, TicksStandAtFourTimesTheirPlaceCountingFromTheTop) {
  const Picture dial = NinetyDialOf(kPoints, 10);
  // Screen angles 90 + 4 x (longitude mod 90), counterclockwise.
  const double angles[] = {90 + 358, 90, 90 + 42, 90 + 223.24, 90 + 44.84};
  for (std::size_t i = 0; i < kPoints.size(); ++i) {
    const double angle = angles[i];
    EXPECT_NEAR(std::remainder(DialScreenAngle(kPoints[i].longitude) - angle, 360.0), 0, 1e-9);
    EXPECT_TRUE(HasLine(dial, OnCircle(kCentre, 200, angle), OnCircle(kCentre, 222, angle),
                        i == 0 ? kGreen : kNavy))
        << i;
  }
  // The MC at 89.5 and the Aries point at 0 are neighbours across the zero.
  const auto mc = TextNamed(dial, "MC"), aries = TextNamed(dial, "WI");
  ASSERT_TRUE(mc && aries);
  EXPECT_GT(std::abs(mc->at.y - aries->at.y), 10);
  // With the symbol font the labels are its glyphs.
  const auto glyph = TextNamed(NinetyDialOf(kPoints, 10, true), std::string(1, FactorGlyph(kSun)));
  ASSERT_TRUE(glyph);
  EXPECT_EQ(glyph->font.face, "VizizizizuRavorod");
}

TEST(NinetyDegreeDialDrawing, PointerAndItsReading) {
  const Picture dial = NinetyDialOf(kPoints, 10);
  const Point tip = OnCircle(kCentre, 196, DialScreenAngle(10));
  const Point halfDial = OnCircle(kCentre, 196, DialScreenAngle(55));
  EXPECT_EQ(tip, OnCircle(kCentre, 196, 130));
  bool thickTip = false;
  for (const LineOp& line : dial.Lines())
    thickTip |= line.from == kCentre && line.to == tip && line.pen == Pen{kRed, 2};
  EXPECT_TRUE(thickTip);
  EXPECT_TRUE(HasLine(dial, kCentre, halfDial, kRed));

  // The Sun half a degree ahead, the Moon at the 135-degree point, the
  // Sun/Mercury midpoint (100.855) ahead, nearest first; the Aries point
  // and the MC are too far.
  const std::vector<std::string> reading = {
      "Zeiger 10\xB0"
      "00'",
      "SO  +0\xB0"
      "30'",
      "MO  +0\xB0"
      "48'  (45\xB0)",
      "SO/ME  +0\xB0"
      "51'",
      "ME  +1\xB0"
      "12'"};
  std::vector<std::string> listed;
  for (const TextOp& text : dial.Texts())
    if (text.at.x >= 540) listed.push_back(text.text);
  EXPECT_EQ(listed, reading);
}

}  // namespace
}  // namespace sternwerk
