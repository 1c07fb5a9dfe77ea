#include "engine/state_texts.h"

#include <gtest/gtest.h>

#include "tests/support/place_text.h"

namespace sternwerk {
namespace {

using testing::PlaceText;

SkyState WithPlaceTexts(const std::string& longitudeText, const std::string& latitudeText) {
  SkyState sky;
  sky.longitudeText = longitudeText;
  sky.latitudeText = latitudeText;
  SetPlaceFromTexts(sky);
  return sky;
}

TEST(SetPlaceFromTexts, DegreesAndMinutesWithTheAddedTenThousandth) {
  const SkyState westNorth = WithPlaceTexts(PlaceText("-008", "30"), PlaceText("+47", "15"));
  EXPECT_TRUE(westNorth.isWest);
  EXPECT_FALSE(westNorth.isSouth);
  EXPECT_DOUBLE_EQ(westNorth.longitude, -8.5001);
  EXPECT_DOUBLE_EQ(westNorth.latitude, 47.2501);

  const SkyState eastSouth = WithPlaceTexts(PlaceText("+151", "12"), PlaceText("-33", "51"));
  EXPECT_FALSE(eastSouth.isWest);
  EXPECT_TRUE(eastSouth.isSouth);
  EXPECT_DOUBLE_EQ(eastSouth.longitude, 151.2001);
  EXPECT_DOUBLE_EQ(eastSouth.latitude, -(33 + 51 / 60.0 + 0.0001));

  EXPECT_DOUBLE_EQ(WithPlaceTexts(PlaceText("+010", "00"), PlaceText("+50", "30")).latitude,
                   50.5001);
}

TEST(SetPlaceFromTexts, EmptyShortAndForeignTextsGiveZero) {
  const SkyState empty = WithPlaceTexts("", "");
  EXPECT_FALSE(empty.isWest);
  EXPECT_FALSE(empty.isSouth);
  EXPECT_DOUBLE_EQ(empty.longitude, 0.0001);
  EXPECT_DOUBLE_EQ(empty.latitude, 0.0001);

  const SkyState shortTexts = WithPlaceTexts("-", "+4");
  EXPECT_TRUE(shortTexts.isWest);
  EXPECT_DOUBLE_EQ(shortTexts.longitude, -0.0001);
  EXPECT_DOUBLE_EQ(shortTexts.latitude, 4.0001);

  // Only leading digits count: "1x2" is 1, "x12" is 0.
  const SkyState foreign =
      WithPlaceTexts("+1x2\xB0x5'", std::string("\xFF\x00\x00\xB0\x00\x00'", 7));
  EXPECT_DOUBLE_EQ(foreign.longitude, 1.0001);
  EXPECT_DOUBLE_EQ(foreign.latitude, 0.0001);
}

TEST(SetInstantFromTexts, ShortAndForeignTextsGiveZeroFields) {
  SkyState sky;
  sky.dateText = "7";
  sky.timeText = "ab:cd";
  SetInstantFromTexts(sky);
  EXPECT_EQ(sky.day, 7);
  EXPECT_EQ(sky.month, 0);
  EXPECT_EQ(sky.year, 0);
  EXPECT_EQ(sky.hours, 0);
}

TEST(PlaceLabelFromTexts, BuiltFromTheTextsThemselves) {
  SkyState sky;
  EXPECT_EQ(PlaceLabelFromTexts(sky),
            PlaceText("010", "00") + " E, " + PlaceText("50", "00") + " N");

  sky = WithPlaceTexts(PlaceText("-008", "30"), PlaceText("-47", "15"));
  EXPECT_EQ(PlaceLabelFromTexts(sky),
            PlaceText("008", "30") + " W, " + PlaceText("47", "15") + " S");

  // Characters beyond the place fields are left out.
  sky = WithPlaceTexts(PlaceText("-008", "30") + "xy", PlaceText("+47", "15") + "xyz");
  EXPECT_EQ(PlaceLabelFromTexts(sky),
            PlaceText("008", "30") + " W, " + PlaceText("47", "15") + " N");

  sky = WithPlaceTexts("", "+");
  EXPECT_EQ(PlaceLabelFromTexts(sky), " E,  N");
}

}  // namespace
}  // namespace sternwerk
