// The 90-degree dial read back from its picture: each factor's tick at four
// times its place on the dial, neighbours across the dial's zero on
// different rings, the pointer with its 45-degree point, and the list of
// what the pointer reads.
#include "charts/ninety_degree_dial.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "engine/factors.h"
#include "platform/colors.h"
#include "platform/polar_point.h"
#include "tests/support/chart_test_support.h"

namespace sternwerk {
namespace {

using testing::HasLine;
using testing::TextNamed;

TEST(NinetyDegreeDialDrawing, TicksPointerAndReading) {
  // Places on the dial kept off whole minutes, so that the list's truncated
  // minutes are those written below.
  const std::vector<ChartPoint> points = {{kMC, 89.5, 0},
                                          {kAriesPoint, 0, 0},
                                          {kSun, 190.5, 0},
                                          {kMoon, 325.81, 0},
                                          {kMercury, 11.21, 0}};
  Picture dial(kNinetyDialWidth, kNinetyDialHeight);
  Canvas canvas(dial);
  DrawNinetyDegreeDial(points, 10, kDefaultDialOrb, {}, canvas);

  // Screen angles 90 + 4 x (longitude mod 90), counterclockwise.
  const Point centre{260, 260};
  const double angles[] = {90 + 358, 90, 90 + 42, 90 + 223.24, 90 + 44.84};
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_TRUE(HasLine(dial, OnCircle(centre, 200, angles[i]), OnCircle(centre, 222, angles[i]),
                        i == 0 ? kGreen : kNavy))
        << i;
  }
  const auto mc = TextNamed(dial, "MC"), aries = TextNamed(dial, "WI");
  ASSERT_TRUE(mc && aries);
  EXPECT_GT(std::abs(mc->at.y - aries->at.y), 10);

  // The pointer thick to its place, thin on to its 45-degree point.
  const std::vector<LineOp> lines = dial.Lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      LineOp{centre, OnCircle(centre, 196, 130), Pen{kRed, 2}}),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      LineOp{centre, OnCircle(centre, 196, 130 + 180), Pen{kRed, 1}}),
            lines.end());
  // The pointer in the cardinal signs, then the Sun half a degree ahead,
  // the Moon at the 135-degree point, the Sun/Mercury midpoint (100.855),
  // Mercury; nearest first, each with its place on the dial.
  const std::vector<std::string> reading = {"Zeiger 10°00'",        "10°00' WID KRE WAA STE",
                                            "SO 10°30'  +0°30'",    "MO 55°48'  +0°48'  (45°)",
                                            "SO/ME 10°51'  +0°51'", "ME 11°12'  +1°12'"};
  std::vector<std::string> listed;
  for (const TextOp& text : dial.Texts())
    if (text.at.x >= 540) listed.push_back(Windows1252ToUtf8(text.text));
  EXPECT_EQ(listed, reading);
}

}  // namespace
}  // namespace sternwerk
