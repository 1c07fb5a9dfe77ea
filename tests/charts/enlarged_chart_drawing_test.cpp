// The enlarged chart read back from its recorded picture: factor lines,
// label rings and their turning, the sign ring, the scale and the header.
#include "charts/enlarged_chart_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "astrology/aspects.h"
#include "charts/chart_astrology_layer.h"
#include "platform/colors.h"
#include "platform/polar_point.h"
#include "platform/text_width_bound.h"
#include "tests/support/chart_test_support.h"

namespace sternwerk {
namespace {

using testing::ChartOf;
using testing::ChartSkyWith;
using testing::FactorLabels;
using testing::HasLine;
using testing::TextNamed;

TEST(EnlargedChartLabels, WorkedExampleStacksThreeLabelsOnRisingRings) {
  const Picture chart = ChartOf(ChartSkyWith({{kMC, 100}, {kSun, 101.5}, {kMoon, 102.9}}));

  EXPECT_TRUE(HasLine(chart, {370, 370}, {322, 95}, kGreen));
  const auto mc = TextNamed(chart, "MC");
  ASSERT_TRUE(mc);
  EXPECT_EQ(mc->at, (Point{312, 75}));
  EXPECT_EQ(mc->font.escapement, 3700);
  EXPECT_TRUE(mc->font.bold);
  EXPECT_EQ(mc->font.color, kGreen);

  EXPECT_TRUE(HasLine(chart, {315, 96}, {319, 120}, kNavy));
  const auto sun = TextNamed(chart, "SO");
  ASSERT_TRUE(sun);
  EXPECT_EQ(sun->at, (Point{300, 58}));
  EXPECT_EQ(sun->font.escapement, 3715);
  EXPECT_FALSE(sun->font.bold);
  EXPECT_EQ(sun->font.face, "Arial");
  EXPECT_EQ(sun->font.size, 8);

  const auto moon = TextNamed(chart, "MO");
  ASSERT_TRUE(moon);
  EXPECT_EQ(moon->at, (Point{287, 40}));
  EXPECT_EQ(moon->font.escapement, 3729);
}

TEST(EnlargedChartLabels, LabelAfterTheEndOfTheCircleTakesTheFirstRing) {
  const Picture chart = ChartOf(ChartSkyWith({{kSun, 358.9}, {kMoon, 0.5}}));
  const auto moon = TextNamed(chart, "MO");
  ASSERT_TRUE(moon);
  // Ring 302 at 1.9 degrees about (371, 371).
  EXPECT_EQ(moon->at, (Point{672, 361}));
}

TEST(EnlargedChartLabels, FifthLabelInOneSlotStandsAtItsLinesEnd) {
  const Picture chart = ChartOf(ChartSkyWith(
      {{kMC, 150.0}, {kSun, 150.2}, {kMoon, 150.4}, {kMercury, 150.6}, {kVenus, 150.8}}));
  const auto venus = TextNamed(chart, "VE");
  ASSERT_TRUE(venus);
  EXPECT_EQ(venus->at, (Point{370 - 244, 370 - 136}));  // radius 280 at 150.8, no shift
  EXPECT_EQ(venus->font.escapement, 1508 + 2700);
  const auto mercury = TextNamed(chart, "ME");
  ASSERT_TRUE(mercury);
  EXPECT_NE(mercury->at, (Point{370 - 243, 370 - 137}));  // the fourth still has a ring
}

TEST(EnlargedChartLabels, HypotheticalPointsStackInwardsOnTheirOwnSlots) {
  // Saturn and Cupido at the same degree each take the first ring of their
  // own group; a second hypothetical point there moves inwards.
  const Picture chart =
      ChartOf(ChartSkyWith({{kSaturn, 45.2}, {kCupido, 45.5}, {kHades, 46.0}}, true));
  const auto saturn = TextNamed(chart, "SA");
  const auto cupido = TextNamed(chart, "CU");
  const auto hades = TextNamed(chart, "HA");
  ASSERT_TRUE(saturn && cupido && hades);
  EXPECT_EQ(saturn->at, (Point{578, 152}));  // ring 302 at 46.6
  EXPECT_EQ(cupido->at, (Point{543, 187}));  // ring 252 at 46.9
  EXPECT_EQ(hades->at, (Point{528, 201}));   // ring 232 at 47.4
}

TEST(EnlargedChartFactors, EachSetDrawsItsFactorsOnce) {
  std::multiset<std::string> twelve, all;
  for (const TextOp& label : FactorLabels(ChartOf(ChartSkyWith({}, false))))
    twelve.insert(label.text);
  for (const TextOp& label : FactorLabels(ChartOf(ChartSkyWith({}, true)))) all.insert(label.text);
  EXPECT_EQ(twelve, (std::multiset<std::string>{"MC", "SO", "AS", "MO", "ME", "VE", "MA", "JU",
                                                "SA", "UR", "NE", "PL"}));
  EXPECT_EQ(all.size(), 21u);
  EXPECT_EQ(all.count("WI"), 0u);
  EXPECT_EQ(all.count("KN"), 1u);
  EXPECT_EQ(all.count("PO"), 1u);
  EXPECT_EQ(all.count("GZ"), 0u);
}

TEST(EnlargedChartFactors, MeridianAndHorizonLinesCrossTheCentre) {
  const Picture chart = ChartOf(ChartSkyWith({{kMC, 90}, {kAscendant, 0}}));
  EXPECT_TRUE(HasLine(chart, {370, 370}, {370, 90}, kGreen));
  EXPECT_TRUE(HasLine(chart, {650, 370}, {90, 370}, kRed));
  const auto as = TextNamed(chart, "AS");
  ASSERT_TRUE(as);
  EXPECT_EQ(as->font.color, kRed);
  EXPECT_TRUE(as->font.bold);
}

TEST(EnlargedChartFactors, SymbolFontWritesGlyphsForFactorsAndSigns) {
  const Picture chart = ChartOf(ChartSkyWith({{kSun, 101.5}}, false, true));
  const auto sun = TextNamed(chart, "c");
  ASSERT_TRUE(sun);
  EXPECT_EQ(sun->font.face, "VizizizizuRavorod");
  EXPECT_EQ(sun->font.size, 12);
  EXPECT_FALSE(sun->font.bold);
  EXPECT_FALSE(TextNamed(chart, "SO"));

  const auto aries = TextNamed(chart, "\xC7");
  const auto libra = TextNamed(chart, "\xC1");
  ASSERT_TRUE(aries && libra);
  EXPECT_EQ(aries->at, (Point{357 + 155, 357 - 38}));  // radius 160 at 14 degrees
  EXPECT_EQ(aries->font.size, 16);
  EXPECT_EQ(libra->at, (Point{357 - 155, 357 + 38}));  // at 194 degrees
  EXPECT_FALSE(TextNamed(chart, "WID"));
}

TEST(EnlargedChartFrame, SignsWithoutSymbolFontAreAbbreviatedAtFifteenDegrees) {
  const Picture chart = ChartOf(ChartSkyWith({}));
  const auto aries = TextNamed(chart, "WID");
  const auto pisces = TextNamed(chart, "FIS");
  ASSERT_TRUE(aries && pisces);
  EXPECT_EQ(aries->at, (Point{357 + 154, 357 - 41}));
  EXPECT_EQ(aries->font.size, 7);
  EXPECT_EQ(pisces->at, (Point{357 + 154, 357 + 41}));  // 345 degrees
}

TEST(EnlargedChartFrame, BoundariesTicksAndScale) {
  const Picture chart = ChartOf(ChartSkyWith({}));
  EXPECT_TRUE(HasLine(chart, {500, 370}, {640, 370}, kBlack));  // 0 degrees
  EXPECT_TRUE(HasLine(chart, {370, 239}, {370, 100}, kBlack));  // 90: inner y radius 131
  EXPECT_TRUE(HasLine(chart, {370, 100}, {370, 75}, kBlack));
  EXPECT_TRUE(HasLine(chart, {640, 370}, {622, 370}, kBlack));  // scale at 0, 18 long
  EXPECT_TRUE(HasLine(chart, {370, 640}, {370, 622}, kBlack));  // 270 is a multiple of 10
  // 5 degrees: radius 270 gives (638, 347); the 12-pixel tick.
  EXPECT_TRUE(HasLine(chart, {638, 347}, {627, 348}, kBlack));
  const auto ellipses = chart.Ellipses();
  ASSERT_EQ(ellipses.size(), 2u);
  EXPECT_EQ(ellipses[0].box, (Rect{100, 100, 640, 640}));
  EXPECT_EQ(ellipses[1].box, (Rect{240, 240, 500, 500}));
  EXPECT_TRUE(TextNamed(chart, "0\xB0 WI"));
  EXPECT_EQ(TextNamed(chart, "270\xB0")->at, (Point{361, 675}));
}

TEST(EnlargedChartHeader, InstantPlaceAndEventOnlyWithASearchResult) {
  const testing::ShownSky sky = ChartSkyWith({});
  const Picture plain = ChartOf(sky, {"010\xB0"
                                      "00' E, 50\xB0"
                                      "00' N",
                                      "", ""});
  const auto instant = TextNamed(plain, "Datum / Zeit: Mo, 07.12.2026 / 14:05:09 WZ/GMT");
  ASSERT_TRUE(instant);
  EXPECT_EQ(instant->at, (Point{10, 10}));
  EXPECT_EQ(instant->font.face, "Ariel");
  EXPECT_EQ(instant->font.size, 9);
  const auto place = TextNamed(plain,
                               "Ort: 010\xB0"
                               "00' E, 50\xB0"
                               "00' N");
  ASSERT_TRUE(place);
  EXPECT_EQ(place->at.y, 10);
  EXPECT_GE(place->at.x, 270);
  for (const TextOp& text : plain.Texts()) EXPECT_FALSE(text.text.starts_with("Ereignis"));

  const Picture found = ChartOf(sky, {"x", "MO-Aufgang", ""});
  const auto event = TextNamed(found, "Ereignis: MO-Aufgang");
  ASSERT_TRUE(event);
  EXPECT_EQ(event->at, (Point{10, 25}));
}

// A named place's local time is one more line below the event's; every
// other text stays as it is.
TEST(EnlargedChartHeader, ANamedPlacesLocalTimeIsALineOfItsOwn) {
  const testing::ShownSky sky = ChartSkyWith({});
  const std::string placeTime = "Ortszeit K\xF6ln: Mo, 07.12.2026 / 15:05:09 MEZ (UT+1)";
  for (const std::string result : {"", "MO-Aufgang"}) {
    const std::vector<TextOp> typed = ChartOf(sky, {"x", result, ""}).Texts();
    std::vector<TextOp> named = ChartOf(sky, {"x", result, placeTime}).Texts();
    const auto line = std::find_if(named.begin(), named.end(),
                                   [&](const TextOp& op) { return op.text == placeTime; });
    ASSERT_NE(line, named.end());
    EXPECT_EQ(line->at, (Point{10, 40}));
    EXPECT_EQ(line->font, typed.back().font) << "in the header's font";
    named.erase(line);
    EXPECT_EQ(named, typed);
  }
}

// The instant text's width depends on the day and the time: the place text
// keeps at least a blank's width from its widest possible end, and its own
// widest end stays inside the chart.
TEST(EnlargedChartHeader, PlaceTextNeverTouchesTheInstant) {
  const std::string widestPlace =
      "Ort: 179\xB0"
      "59' W, 89\xB0"
      "59' S";
  for (int day = 1; day <= 7; ++day) {
    for (const double hours : {0.0, 11.5, 23.999}) {
      testing::ShownSky sky = ChartSkyWith({});
      sky.day = day;
      sky.dateText = "0" + std::to_string(day) + ".12.2026";
      sky.hours = hours;
      const Picture chart = ChartOf(sky, {widestPlace.substr(5), "", ""});
      const auto instant = TextNamed(chart, ChartInstantText(sky));
      const auto place = TextNamed(chart, widestPlace);
      ASSERT_TRUE(instant && place) << sky.dateText;
      EXPECT_EQ(place->at.y, instant->at.y);
      EXPECT_GE(place->at.x,
                instant->at.x + TextWidthBound(instant->text, 9) + TextWidthBound(" ", 9))
          << instant->text;
      EXPECT_LE(place->at.x + TextWidthBound(place->text, 9), kChartSize) << instant->text;
    }
  }
}

// Houses and aspects are a layer over the chart, whose own operations come
// first and unchanged: cusps 30 degrees apart from 100 with each number
// mid-house; a square a red chord, a trine a green one, a conjunction none.
TEST(EnlargedChartLayer, CuspsAndAspectChordsFollowTheChart) {
  const testing::ShownSky sky = ChartSkyWith({});
  const Picture plain = ChartOf(sky);
  Picture layered = ChartOf(sky);
  Canvas canvas(layered);
  HouseCusps houses;
  for (int house = 0; house < kHouses; ++house)
    houses.cusps[house] = std::fmod(100 + 30 * house, 360);
  DrawHouseCusps(houses, canvas);
  const std::vector<ChartPoint> points = {
      {kSun, 10, 1}, {kMoon, 100.5, 13}, {kVenus, 131, 1}, {kMars, 12, 1}};
  DrawAspectLines(points, FindAspects(points, {}), canvas);

  EXPECT_TRUE(std::equal(plain.operations().begin(), plain.operations().end(),
                         layered.operations().begin()));
  const Point centre{370, 370};
  for (int house = 0; house < kHouses; ++house) {
    const double cusp = houses.cusps[house];
    EXPECT_TRUE(HasLine(layered, OnCircle(centre, 130, cusp), OnCircle(centre, 270, cusp), kTeal));
    const Point middle = OnCircle(centre, 116, cusp + 15);
    EXPECT_EQ(TextNamed(layered, std::to_string(house + 1)).value().at,
              (Point{middle.x - 4, middle.y - 6}));
  }
  // Drawn from the first factor of each pair in the points' order.
  const auto chord = [&](double from, double to, Rgb colour) {
    return HasLine(layered, OnCircle(centre, 104, from), OnCircle(centre, 104, to), colour);
  };
  EXPECT_TRUE(chord(10, 100.5, kRed) && chord(100.5, 12, kRed));
  EXPECT_TRUE(chord(10, 131, kGreen) && chord(131, 12, kGreen));
  EXPECT_FALSE(chord(10, 12, kRed) || chord(100.5, 131, kRed) || chord(100.5, 131, kGreen));
}

}  // namespace
}  // namespace sternwerk
