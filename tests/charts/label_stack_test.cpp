// Stacking labels by their neighbours: the counting the dial, the enlarged
// chart and the outside view share, with each one's spacing; and how the
// legend shows the factors.
#include "charts/label_stack.h"

#include <gtest/gtest.h>

#include "charts/factor_legend.h"

namespace sternwerk {
namespace {

// The dial: integer angles, a label claims three degrees on either side.
TEST(LabelStack, DialAnglesSeeThreeDegreesEachWayButNotAcross360) {
  LabelStack rings(360, 1, 3);
  rings.Place(200);
  EXPECT_EQ(rings.LabelsAt(197), 1);
  EXPECT_EQ(rings.LabelsAt(203), 1);
  EXPECT_EQ(rings.LabelsAt(204), 0);
  rings.Place(203);
  EXPECT_EQ(rings.LabelsAt(201), 2);
  rings.Place(359);
  EXPECT_EQ(rings.LabelsAt(360), 1);
  EXPECT_EQ(rings.LabelsAt(1), 0) << "the counters do not wrap around";
  rings.Place(0);
  EXPECT_EQ(rings.LabelsAt(3), 1);
  EXPECT_EQ(rings.LabelsAt(358), 1);
}

// The enlarged chart: slots of three degrees; a label counts in its slot and
// both neighbours, the neighbours left out within two degrees of 0 and 360.
TEST(LabelStack, ChartSlotsCountTheirNeighboursWithoutWrappingAround) {
  LabelStack slots(360, 3, 3);
  slots.Place(2);  // 2.5 degrees
  EXPECT_EQ(slots.LabelsAt(0), 1);
  EXPECT_EQ(slots.LabelsAt(3), 1);
  EXPECT_EQ(slots.LabelsAt(6), 0);

  LabelStack three(360, 3, 3);
  three.Place(3);  // 3.2 degrees
  EXPECT_EQ(three.LabelsAt(0), 1);
  EXPECT_EQ(three.LabelsAt(3), 1);
  EXPECT_EQ(three.LabelsAt(6), 1);

  LabelStack end(360, 3, 3);
  end.Place(358);  // 358.9 degrees
  EXPECT_EQ(end.LabelsAt(357), 1);
  EXPECT_EQ(end.LabelsAt(354), 1);
  EXPECT_EQ(end.LabelsAt(360), 0);
  EXPECT_EQ(end.LabelsAt(0), 0);

  LabelStack last(360, 3, 3);
  last.Place(357);  // the last degree whose next slot holds 360
  EXPECT_EQ(last.LabelsAt(360), 1);
  last.Place(360);
  EXPECT_EQ(last.LabelsAt(360), 2);
  EXPECT_EQ(last.LabelsAt(357), 2);
}

// The outside view: pixel columns, a label counts sixteen columns each way;
// a column's count picks the row, so labels in one place go down row by row.
TEST(LabelStack, OutsideViewColumnsStackLabelsInOnePlace) {
  LabelStack columns(810, 1, 16);
  for (int placed = 0; placed < 5; ++placed) {
    EXPECT_EQ(columns.LabelsAt(400), placed);
    columns.Place(400);
  }
  EXPECT_EQ(columns.LabelsAt(384), 5);
  EXPECT_EQ(columns.LabelsAt(416), 5);
  EXPECT_EQ(columns.LabelsAt(417), 0);
  EXPECT_EQ(columns.LabelsAt(383), 0);
}

TEST(FactorLegend, NamesAndDialColours) {
  EXPECT_STREQ(kLegendNames[kAriesPoint], "Widder   ");
  EXPECT_STREQ(kLegendNames[kLunarNode], "Mond-Knoten ");
  EXPECT_STREQ(kLegendNames[kCupido], "Cupido ");
  EXPECT_EQ(DialColour(kMC), (Rgb{0, 128, 0}));
  EXPECT_EQ(DialColour(kAscendant), (Rgb{255, 0, 0}));
  EXPECT_EQ(DialColour(kMoon), (Rgb{0, 0, 128}));
}

}  // namespace
}  // namespace sternwerk
