// The recorded dial: its fixed frame, exact positions for a sky chosen so
// that they can be worked out by hand, and what changes with the factor set
// and the symbol font.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "platform/colors.h"
#include "tests/support/dial_test_support.h"

namespace sternwerk::testing {
namespace {

constexpr const char* kSymbolFace = "VizizizizuRavorod";

bool HasLine(const Picture& picture, Point from, Point to, Rgb colour) {
  const std::vector<LineOp> lines = picture.Lines();
  return std::any_of(lines.begin(), lines.end(), [&](const LineOp& line) {
    return line.from == from && line.to == to && line.pen.color == colour && line.pen.width == 1;
  });
}

std::optional<TextOp> TextNamed(const Picture& picture, const std::string& text) {
  for (const TextOp& op : picture.Texts())
    if (op.text == text) return op;
  return std::nullopt;
}

TEST(DialFrame, WhiteBackgroundBeyondTheNominalSizeThenTwoCirclesAndTheEarth) {
  const Picture dial = DialOf(SkyWith({{kMC, 77}, {kSun, 10}}));
  ASSERT_FALSE(dial.operations().empty());
  const auto* background = std::get_if<RectangleOp>(&dial.operations().front());
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->box, (Rect{0, 0, kDialBackgroundWidth, kDialBackgroundHeight}));
  EXPECT_GT(background->box.right, dial.width());
  EXPECT_EQ(background->brush, (Brush{kWhite, true}));

  // Outer and inner circle about the centre (260, 260), radii 210 and 105.
  const std::vector<EllipseOp> circles = dial.Ellipses();
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].box, (Rect{260 - 210, 260 - 210, 260 + 210, 260 + 210}));
  EXPECT_EQ(circles[1].box, (Rect{260 - 105, 260 - 105, 260 + 105, 260 + 105}));

  // The Earth icon is drawn after the inner circle, so its white does not
  // hide it, around the centre.
  const std::vector<ImageOp> images = dial.All<ImageOp>();
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].target, (Rect{245, 244, 277, 276}));

  // Every text stands on a white box.
  for (const TextOp& text : dial.Texts()) EXPECT_EQ(text.brush, (Brush{kWhite, true})) << text.text;
}

// MC at 30, so a longitude λ stands at screen angle λ + 60.
class DialByHand : public ::testing::Test {
 protected:
  static ShownSky Sky(bool symbols) {
    return SkyWith({{kMC, 30}, {kSun, 77}, {kAscendant, 140}}, false, symbols, 300);
  }
};

TEST_F(DialByHand, FactorLinesAndTicks) {
  const Picture dial = DialOf(Sky(false));
  // MC: from the centre straight up to radius 220.
  EXPECT_TRUE(HasLine(dial, {260, 260}, {260, 40}, kGreen));
  // AS at 200 degrees: 220·cos 200 = -206.7, 220·sin 200 = -75.2, through the
  // centre to the opposite point.
  EXPECT_TRUE(HasLine(dial, {54, 335}, {466, 185}, kRed));
  // Sun at 137 degrees: 220·cos = -160.9, 220·sin = 150.04; the tick runs
  // 20 pixels inwards (20·cos = -14.6, 20·sin = 13.6).
  EXPECT_TRUE(HasLine(dial, {100, 110}, {114, 123}, kNavy));
}

TEST_F(DialByHand, SignBoundariesUseTheirOwnHorizontalAndVerticalRadii) {
  const Picture dial = DialOf(Sky(false));
  // Boundary k = 1 lies at 30·1 - 30 = 0 degrees, k = 4 at 90.
  EXPECT_TRUE(HasLine(dial, {336, 260}, {472, 260}, kBlack));
  EXPECT_TRUE(HasLine(dial, {260, 183}, {260, 47}, kBlack));
}

TEST_F(DialByHand, LabelsOnTheirRingsTurnedAwayFromTheCentre) {
  for (bool symbols : {false, true}) {
    SCOPED_TRACE(symbols);
    const Picture dial = DialOf(Sky(symbols));
    const Point codeShift = symbols ? Point{0, 0} : Point{-6, -5};

    // MC at 91.4 degrees on ring 235: Trunc(23500·cos 91.4) = -574,
    // div 99 = -5; 235·sin 91.4 = 234.9. Upright (escapement 3600).
    const std::optional<TextOp> mc = LabelOf(dial, kMC);
    ASSERT_TRUE(mc);
    EXPECT_EQ(mc->at, (Point{255 + codeShift.x, 26 + codeShift.y}));
    EXPECT_EQ(mc->font.escapement, 3600);
    EXPECT_EQ(mc->font.color, kGreen);

    // Sun at 138.4 degrees on ring 235: Trunc(23500·cos 138.4) = -17573,
    // div 99 = -177; 235·sin 138.4 = 156.02.
    const std::optional<TextOp> sun = LabelOf(dial, kSun);
    ASSERT_TRUE(sun);
    EXPECT_EQ(sun->at, (Point{83 + codeShift.x, 104 + codeShift.y}));
    EXPECT_EQ(sun->font.escapement, 1370 + 2700);
    EXPECT_EQ(sun->font.color, kNavy);
    EXPECT_TRUE(sun->font.bold);
  }
}

TEST_F(DialByHand, SignLabelsFourteenDegreesIntoTheirSign) {
  // Aries at 0 + 14 - 30 + 90 = 74 degrees: 140·cos 74 = 38.6, 140·sin 74 =
  // 134.6 for the glyph; 130·cos 74 = 35.8, 130·sin 74 = 125.0 for the text.
  const std::optional<TextOp> glyph = TextNamed(DialOf(Sky(true)), "(");
  ASSERT_TRUE(glyph);
  EXPECT_EQ(glyph->at, (Point{288, 116}));
  EXPECT_EQ(glyph->font.face, kSymbolFace);
  EXPECT_EQ(glyph->font.size, 14);

  const std::optional<TextOp> text = TextNamed(DialOf(Sky(false)), "WID");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->at, (Point{284, 135}));
  EXPECT_EQ(text->font.face, "Ariel");
  EXPECT_EQ(text->font.size, 7);
  EXPECT_EQ(text->font.color, kBlack);
  EXPECT_FALSE(text->font.bold);
}

TEST(DialFactorSets, TwelveFactorsLeaveOutAriesPointNodeAndHypotheticalPoints) {
  const auto codes = [](const Picture& dial) {
    std::set<std::string> found;
    for (const TextOp& label : FactorLabels(dial)) found.insert(label.text);
    return found;
  };
  const std::set<std::string> twelve = codes(DialOf(SkyWith({{kMC, 10}}, false, false, 200)));
  EXPECT_EQ(twelve, (std::set<std::string>{"MC", "SO", "AS", "MO", "ME", "VE", "MA", "JU", "SA",
                                           "UR", "NE", "PL"}));

  const Picture all = DialOf(SkyWith({{kMC, 10}}, true, true, 200));
  std::set<std::string> glyphs;
  for (int factor = 0; factor < kDrawnFactors; ++factor) glyphs.insert({FactorGlyph(factor)});
  EXPECT_EQ(codes(all), glyphs);
  EXPECT_EQ(FactorLabels(all).size(), 22u);
}

TEST(DialFonts, WithoutTheSymbolFontEverythingIsText) {
  for (bool symbols : {false, true}) {
    SCOPED_TRACE(symbols);
    const Picture dial = DialOf(SkyWith({{kMC, 10}}, true, symbols, 200));
    int symbolTexts = 0;
    for (const TextOp& text : dial.Texts()) symbolTexts += text.font.face == kSymbolFace;
    EXPECT_EQ(symbolTexts, symbols ? 12 + 22 : 0);
    for (const TextOp& label : FactorLabels(dial)) {
      EXPECT_EQ(label.font.face, symbols ? kSymbolFace : "Ariel");
      EXPECT_EQ(label.font.size, symbols ? 10 : 9);
    }
  }
}

// The compass names the MC's direction: south in Munich, north in Sydney.
TEST(DialCompass, NamesTheDirectionOfTheMc) {
  ShownSky sky = SkyWith({{kMC, 90}});
  sky.negativeObliquity = -0.4091;  // 23.44 degrees
  for (const auto& [latitude, shown, hidden] :
       {std::tuple{48.14, "S", "N"}, std::tuple{-33.87, "N", "S"}}) {
    sky.latitude = latitude;
    const Picture dial = DialOf(sky);
    EXPECT_EQ(TextNamed(dial, shown).value_or(TextOp{}).at, (Point{256, 7})) << shown;
    EXPECT_FALSE(TextNamed(dial, hidden)) << shown;
  }
}

TEST(DialCaptions, MeridianAndPoleStandUprightInArial) {
  for (bool symbols : {false, true}) {
    SCOPED_TRACE(symbols);
    const Picture dial = DialOf(SkyWith({{kMC, 10}, {kPluto, 250}}, false, symbols, 200));
    const std::optional<TextOp> meridian = TextNamed(dial, "Meridian");
    const std::optional<TextOp> pole = TextNamed(dial, "Nordpol der Erde");
    ASSERT_TRUE(meridian && pole);
    EXPECT_EQ(meridian->at, (Point{232, 170}));
    EXPECT_EQ(pole->at, (Point{205, 225}));
    for (const TextOp& caption : {*meridian, *pole}) {
      EXPECT_EQ(caption.font.face, "Arial");
      EXPECT_EQ(caption.font.escapement, 0);
      EXPECT_EQ(caption.font.size, symbols ? 10 : 9);
      EXPECT_TRUE(caption.font.bold);
    }
    EXPECT_EQ(meridian->font.color, kGreen);
    EXPECT_EQ(pole->font.color, kNavy);
    // The last operation: a short line down to the pole in the last factor's pen.
    const LineOp* last = std::get_if<LineOp>(&dial.operations().back());
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(*last, (LineOp{{260, 240}, {260, 260}, Pen{kNavy, 1}}));
  }
}

}  // namespace
}  // namespace sternwerk::testing
