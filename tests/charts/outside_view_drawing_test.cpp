// The outside view read back from its recorded picture: which factors stand
// between the horizons and where, how crowded labels stack, the distances
// from the MC, the sign scale, both font cases, and the printed page.
#include "charts/outside_view_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <set>
#include <utility>

#include "platform/colors.h"
#include "tests/support/chart_test_support.h"

namespace sternwerk {
namespace {

using testing::ChartSkyWith;
using testing::HasLine;
using testing::TextNamed;

// A sky with the AS at `ascendant` and every other factor 200 degrees
// behind it, below the horizon, except those listed by how far they stand
// behind the AS (negative: ahead of it).
testing::ShownSky SkyBehindAscendant(std::initializer_list<std::pair<int, double>> behind,
                                     bool transplutonian = false, bool symbols = false,
                                     double ascendant = 300) {
  testing::ShownSky sky = ChartSkyWith({}, transplutonian, symbols);
  for (int factor = 0; factor < kFactorSlots; ++factor) {
    sky.longitudes[factor] = std::fmod(ascendant - 200 + 360, 360);
  }
  sky.longitudes[kAscendant] = ascendant;
  for (const auto& [factor, degrees] : behind) {
    sky.longitudes[factor] = std::fmod(ascendant - degrees + 360, 360);
  }
  return sky;
}

Picture ViewOf(const testing::ShownSky& sky) {
  Picture view(kOutsideViewWidth, kOutsideViewHeight);
  Canvas canvas(view);
  DrawOutsideView(sky, sky.options, canvas);
  return view;
}

Point LabelAt(const Picture& view, const std::string& label) {
  const auto text = TextNamed(view, label);
  EXPECT_TRUE(text) << label << " is not drawn";
  return text ? text->at : Point{-1, -1};
}

TEST(OutsideViewPlacement, FactorsStandByWholeDegreesBehindTheAscendantUpToTheHorizon) {
  const Picture view = ViewOf(SkyBehindAscendant(
      {{kSun, 180}, {kMoon, 186.9}, {kMercury, 187}, {kVenus, 45.7}, {kMars, 0.4}}));
  EXPECT_EQ(LabelAt(view, "SO").x, 743);  // its line would be the descendant's, 753
  EXPECT_EQ(LabelAt(view, "MO").x, 767);
  EXPECT_FALSE(TextNamed(view, "ME"));
  EXPECT_EQ(LabelAt(view, "VE").x, 4 * 45 + 23);
  EXPECT_EQ(LabelAt(view, "MA").x, 23);
}

TEST(OutsideViewPlacement, OnlyAFractionOfADegreeAheadOfTheAscendantIsStillDrawn) {
  const Picture view = ViewOf(SkyBehindAscendant({{kSun, -0.6}, {kMoon, -1.2}}));
  EXPECT_EQ(LabelAt(view, "SO").x, 23);
  EXPECT_FALSE(TextNamed(view, "MO"));
}

TEST(OutsideViewPlacement, AriesPointNeverDrawnNodeOnlyWithAllFactors) {
  const std::initializer_list<std::pair<int, double>> near = {{kAriesPoint, 60}, {kLunarNode, 90}};
  const Picture twelve = ViewOf(SkyBehindAscendant(near));
  const Picture all = ViewOf(SkyBehindAscendant(near, true));
  EXPECT_FALSE(TextNamed(twelve, "WI"));
  EXPECT_FALSE(TextNamed(all, "WI"));
  EXPECT_FALSE(TextNamed(twelve, "KN"));
  EXPECT_EQ(LabelAt(all, "KN"), (Point{383, 50}));
}

TEST(OutsideViewPlacement, HypotheticalPointsOnlyWithAllFactors) {
  const std::initializer_list<std::pair<int, double>> near = {{kCupido, 30}, {kPoseidon, 120}};
  EXPECT_FALSE(TextNamed(ViewOf(SkyBehindAscendant(near)), "CU"));
  const Picture all = ViewOf(SkyBehindAscendant(near, true));
  EXPECT_EQ(LabelAt(all, "CU").x, 143);
  EXPECT_EQ(LabelAt(all, "PO").x, 503);
}

TEST(OutsideViewRows, CrowdedLabelsStackInFactorOrderAndTheFifthKeepsTheRowBefore) {
  const Picture view = ViewOf(SkyBehindAscendant({{kMC, 50.5},
                                                  {kSun, 50.2},
                                                  {kMoon, 52.9},
                                                  {kMercury, 48.1},
                                                  {kVenus, 51},
                                                  {kMars, 50.9},
                                                  {kJupiter, 55}}));
  EXPECT_EQ(LabelAt(view, "MC"), (Point{223, 3}));
  EXPECT_EQ(LabelAt(view, "SO"), (Point{223, 50}));  // the MC does not count
  EXPECT_EQ(LabelAt(view, "MO"), (Point{231, 85}));
  EXPECT_EQ(LabelAt(view, "ME"), (Point{215, 120}));
  EXPECT_EQ(LabelAt(view, "VE"), (Point{227, 155}));
  EXPECT_EQ(LabelAt(view, "MA"), (Point{223, 155}));  // fourth below it: the row before
  // Within reach of the Moon and Venus only.
  EXPECT_EQ(LabelAt(view, "JU"), (Point{243, 120}));
}

TEST(OutsideViewRows, FourWholeDegreesApartStackFiveDoNot) {
  const Picture view = ViewOf(SkyBehindAscendant({{kSun, 50}, {kMoon, 54}, {kMercury, 59}}));
  EXPECT_EQ(LabelAt(view, "SO"), (Point{223, 50}));
  EXPECT_EQ(LabelAt(view, "MO"), (Point{239, 85}));
  EXPECT_EQ(LabelAt(view, "ME"), (Point{259, 50}));
}

TEST(OutsideViewRows, AxesStayInTheTopRowAndDoNotPushOthersDown) {
  const Picture view = ViewOf(SkyBehindAscendant({{kSun, 0.2}, {kMoon, 1}, {kMC, 0.5}}));
  EXPECT_EQ(LabelAt(view, "AS"), (Point{23, 3}));
  EXPECT_EQ(LabelAt(view, "MC"), (Point{23, 3}));
  EXPECT_EQ(LabelAt(view, "SO"), (Point{23, 50}));
  EXPECT_EQ(LabelAt(view, "MO"), (Point{27, 85}));
}

TEST(OutsideViewLines, MeridianHorizonsTicksAndDescendantLabel) {
  const Picture view = ViewOf(SkyBehindAscendant({{kMC, 71.3}}));
  EXPECT_TRUE(HasLine(view, {317, 10}, {317, 230}, kLime));
  EXPECT_TRUE(HasLine(view, {33, 10}, {33, 213}, kRed));
  EXPECT_TRUE(HasLine(view, {753, 10}, {753, 213}, kRed));
  int ticks = 0;
  for (const LineOp& line : view.Lines()) {
    if (line.from.y == 28 && line.to.y == 45) {
      EXPECT_EQ(line.pen, (Pen{kRed, 1}));
      EXPECT_EQ((line.from.x - 33) % 40, 0);
      ++ticks;
    }
    if (line.from.x == 317) {
      EXPECT_EQ(line.pen.width, 3);
    }
  }
  EXPECT_EQ(ticks, 17);
  const auto descendant = TextNamed(view, "DE");
  ASSERT_TRUE(descendant);
  EXPECT_EQ(descendant->at, (Point{739, 3}));
  EXPECT_EQ(descendant->font.color, kRed);
  EXPECT_EQ(descendant->font.size, 16);
}

// Where the MC stands north of the zenith (Sydney) the view faces north:
// axes and marks mirrored, the AS at the right, labels still left of their
// lines, each horizon distance on its horizon's side.
TEST(OutsideViewLines, FacingNorthTheEasternHorizonStandsAtTheRight) {
  testing::ShownSky south = SkyBehindAscendant({{kMC, 71.3}, {kSun, 45.7}}, true);
  south.negativeObliquity = -0.4091;  // 23.44 degrees
  testing::ShownSky north = south;
  north.latitude = -33.87;
  const Picture southView = ViewOf(south), northView = ViewOf(north);
  // Every line but the Sun's distance tick, by its distance from `edge`.
  const auto axesAndMarks = [](const Picture& view, int edge) {
    std::multiset<std::pair<int, int>> lines;
    for (const LineOp& line : view.Lines()) {
      if (line.pen != Pen{kLime, 1}) lines.insert({std::abs(edge - line.from.x), line.from.y});
    }
    return lines;
  };
  EXPECT_EQ(axesAndMarks(northView, kOutsideViewWidth), axesAndMarks(southView, 0));
  EXPECT_EQ(LabelAt(northView, "AS"), (Point{747, 3}));
  EXPECT_EQ(LabelAt(northView, "DE"), (Point{23, 3}));
  EXPECT_EQ(LabelAt(northView, "SO").x, 790 - (4 * 45 + 23) - 20);
  EXPECT_EQ(LabelAt(northView, "Abstand zu MC: 109\xB0"), (Point{5, 217}));
  EXPECT_EQ(LabelAt(northView, "Abstand zu MC: 71\xB0"), (Point{665, 217}));
}

TEST(OutsideViewLines, EveryTextStandsOnAnOpaqueNavyBox) {
  const Picture view = ViewOf(SkyBehindAscendant({{kSun, 20}, {kMC, 90}}, true, true));
  ASSERT_FALSE(view.Texts().empty());
  for (const TextOp& text : view.Texts()) EXPECT_EQ(text.brush, (Brush{kNavy, true}));
}

TEST(OutsideViewDistances, SunAndMoonShowTheirDistanceFromTheMeridianFolded) {
  // AS at 60, MC at 30, Sun at 320 and Moon at 350: 70 and 40 degrees from
  // the MC across 0 degrees, where the plain differences are 290 and 320.
  const Picture view =
      ViewOf(SkyBehindAscendant({{kMC, 30}, {kSun, 100}, {kMoon, 70}}, false, false, 60));
  const auto sun = TextNamed(view, "70\xB0");
  ASSERT_TRUE(sun);
  EXPECT_EQ(sun->at, (Point{4 * 100 + 23 + 3, 0}));
  EXPECT_EQ(sun->font, (Font{"Arial", 8, false, kLime, 0}));
  EXPECT_TRUE(HasLine(view, {432, 8}, {432, 30}, kLime));
  EXPECT_TRUE(TextNamed(view, "40\xB0"));
}

TEST(OutsideViewDistances, HorizonDistancesOfTheMeridian) {
  const Picture view = ViewOf(SkyBehindAscendant({{kMC, 63.8}}));
  const auto left = TextNamed(view, "Abstand zu MC: 63\xB0");
  const auto right = TextNamed(view, "Abstand zu MC: 117\xB0");
  ASSERT_TRUE(left);
  ASSERT_TRUE(right);
  EXPECT_EQ(left->at, (Point{5, 217}));
  EXPECT_EQ(right->at, (Point{665, 217}));
  EXPECT_EQ(left->font, (Font{"arial", 10, false, kLime, 0}));
}

TEST(OutsideViewDistances, MeridianBehindTheDescendantIsFoldedBackByHalfACircle) {
  // The MC 250 behind the AS: 250 - 180 = 70 from the left edge.
  const Picture view = ViewOf(SkyBehindAscendant({{kMC, 250}}));
  EXPECT_TRUE(TextNamed(view, "Abstand zu MC: 70\xB0"));
  EXPECT_TRUE(TextNamed(view, "Abstand zu MC: 110\xB0"));
}

std::vector<LineOp> AquaLines(const Picture& view) {
  std::vector<LineOp> lines;
  for (const LineOp& line : view.Lines()) {
    if (line.pen.color == kAqua) lines.push_back(line);
  }
  return lines;
}

TEST(OutsideViewSignScale, OnlyWithAllFactors) {
  EXPECT_TRUE(AquaLines(ViewOf(SkyBehindAscendant({}))).empty());
  EXPECT_FALSE(AquaLines(ViewOf(SkyBehindAscendant({}, true))).empty());
}

TEST(OutsideViewSignScale, BoundariesAndGlyphsFollowTheAscendantsSign) {
  const Picture view = ViewOf(SkyBehindAscendant({}, true, false, 100));
  // AS at 100: 0 degrees of Cancer (90) stands 10 behind it, then every 30.
  std::vector<int> columns;
  for (const LineOp& line : AquaLines(view)) {
    EXPECT_EQ(line.from.y, 190);
    EXPECT_EQ(line.to.y, 210);
    columns.push_back(line.from.x);
  }
  EXPECT_EQ(columns, (std::vector<int>{793, 673, 553, 433, 313, 193, 73}));

  const auto aquaTexts = [](const Picture& picture) {
    std::vector<std::pair<Point, std::string>> texts;
    for (const TextOp& text : picture.Texts()) {
      if (text.font.color == kAqua) {
        EXPECT_TRUE(text.font.bold);
        EXPECT_EQ(text.font.size, 14);
        texts.push_back({text.at, text.text});
      }
    }
    return texts;
  };
  // Cancer itself would stand at 4 pixels and is left out; then Gemini back
  // to Sagittarius, wrapping from Aries to Pisces.
  const std::vector<std::pair<Point, std::string>> glyphs = {{{124, 185}, "?"}, {{244, 185}, ")"},
                                                             {{364, 185}, "("}, {{484, 185}, "/"},
                                                             {{604, 185}, "&"}, {{724, 185}, "%"}};
  EXPECT_EQ(aquaTexts(ViewOf(SkyBehindAscendant({}, true, true, 100))), glyphs);

  // Without the symbol font the dial's sign names, their middle (about 37
  // pixels wide in bold Arial) where the glyph's middle (17 wide) would be.
  const std::vector<std::pair<Point, std::string>> names = {
      {{114, 185}, "ZWI"}, {{234, 185}, "STI"}, {{354, 185}, "WID"},
      {{474, 185}, "FIS"}, {{594, 185}, "WAS"}, {{714, 185}, "STE"}};
  EXPECT_EQ(aquaTexts(view), names);
  EXPECT_EQ(TextNamed(view, "WID")->font.face, "Arial");
}

TEST(OutsideViewSignScale, AscendantAtTheEndOfTheCircleStaysInPisces) {
  const Picture view = ViewOf(SkyBehindAscendant({}, true, false, 359.99));
  const auto pisces = TextNamed(view, "FIS");
  ASSERT_TRUE(pisces);
  EXPECT_EQ(pisces->at, (Point{70, 185}));
}

TEST(OutsideViewFonts, SymbolFontGivesGlyphsInSizeSixteen) {
  const Picture view = ViewOf(SkyBehindAscendant({{kSun, 20}, {kMC, 90}}, true, true));
  const auto sun = TextNamed(view, std::string(1, FactorGlyph(kSun)));
  ASSERT_TRUE(sun);
  EXPECT_EQ(sun->font, (Font{"VizizizizuRavorod", 16, false, kYellow, 0}));
  const auto ascendant = TextNamed(view, std::string(1, FactorGlyph(kAscendant)));
  ASSERT_TRUE(ascendant);
  EXPECT_EQ(ascendant->font.color, kRed);
  const auto mc = TextNamed(view, std::string(1, FactorGlyph(kMC)));
  ASSERT_TRUE(mc);
  EXPECT_EQ(mc->font.color, kLime);
  EXPECT_EQ(TextNamed(view, "DE")->font.face, "VizizizizuRavorod");
  EXPECT_EQ(TextNamed(view, "%")->font.face, "VizizizizuRavorod");
}

TEST(OutsideViewFonts, WithoutTheSymbolFontCodesInArialEightAndTheHorizonsInSixteen) {
  const Picture view = ViewOf(SkyBehindAscendant({{kSun, 20}, {kMC, 90}}, true, false));
  EXPECT_EQ(TextNamed(view, "SO")->font, (Font{"Arial", 8, false, kYellow, 0}));
  EXPECT_EQ(TextNamed(view, "MC")->font, (Font{"Arial", 8, false, kLime, 0}));
  EXPECT_EQ(TextNamed(view, "AS")->font, (Font{"Arial", 16, false, kRed, 0}));
  EXPECT_EQ(TextNamed(view, "DE")->font, (Font{"Arial", 16, false, kRed, 0}));
}

TEST(OutsideViewTexts, TitleSuffixAndPrintedPage) {
  const testing::ShownSky sky = SkyBehindAscendant({{kSun, 20}});
  EXPECT_EQ(OutsideViewTitleSuffix(sky), "  am Mo, 07.12.2026  um 14:05:09 WZ/GMT");

  auto view = std::make_shared<Picture>(ViewOf(sky));
  const Picture withEvent = OutsideViewPrintPicture(view, sky,
                                                    {"008\xB0"
                                                     "30' W",
                                                     "Aufgang SO", ""});
  EXPECT_EQ(withEvent.width(), kOutsideViewWidth);
  EXPECT_EQ(withEvent.height(), kOutsideViewHeight);
  const auto stretched = withEvent.All<PictureOp>();
  ASSERT_EQ(stretched.size(), 1u);
  EXPECT_EQ(stretched[0].target, (Rect{0, 200, 790, 500}));
  EXPECT_EQ(stretched[0].picture, view);
  const auto header = TextNamed(withEvent,
                                "Datum / Zeit: Mo, 07.12.2026 / 14:05:09 WZ/GMT    Ort: 008\xB0"
                                "30' W");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->at, (Point{20, 100}));
  EXPECT_EQ(header->font, (Font{"courier new", 12, false, kBlack, 0}));
  EXPECT_EQ(TextNamed(withEvent, "Aufgang SO")->at, (Point{180, 200}));

  const Picture withoutEvent = OutsideViewPrintPicture(view, sky,
                                                       {"008\xB0"
                                                        "30' W",
                                                        "", ""});
  EXPECT_EQ(withoutEvent.Texts().size(), 1u);
}

}  // namespace
}  // namespace sternwerk
