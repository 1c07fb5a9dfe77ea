// The atlas built from the installed GeoNames cities and the German
// catalogue, as the program loads it whatever the system's locale.
#include "places/qt/geonames_atlas.h"

#include <gtest/gtest.h>

#include <string>

namespace sternwerk {
namespace {

const PlaceAtlas& InstalledAtlas() {
  static const PlaceAtlas atlas(LoadGeoNamesAtlas().places);
  return atlas;
}

TEST(GeoNamesAtlas, HoldsEveryCityWithGermanNamesRegionsAndZones) {
  const LoadedAtlas loaded = LoadGeoNamesAtlas();
  EXPECT_EQ(loaded.germanNamesMissing, "");
  EXPECT_EQ(loaded.places.size(), 24361u);
  const auto munich = InstalledAtlas().Find("München", 1);
  ASSERT_EQ(munich.size(), 1u);
  EXPECT_EQ(munich[0]->name, "Munich");
  EXPECT_EQ(munich[0]->germanRegion, "Bayern");
  EXPECT_EQ(munich[0]->germanCountry, "Deutschland");
  EXPECT_EQ(munich[0]->timeZone, "Europe/Berlin");
  EXPECT_NEAR(munich[0]->latitude, 48.137, 0.01);
  EXPECT_NEAR(munich[0]->longitude, 11.575, 0.01);
  for (const char* typed : {"Muenchen", "munchen", "Munich"})
    EXPECT_EQ(InstalledAtlas().Find(typed, 1).at(0), munich[0]) << typed;
  EXPECT_EQ(InstalledAtlas().Find("Koeln", 1).at(0)->name, "Cologne");
  EXPECT_EQ(InstalledAtlas().Find("Wien", 1).at(0)->timeZone, "Europe/Vienna");
}

TEST(GeoNamesAtlas, WithoutTheGermanCatalogueEnglishNamesAreStillFound) {
  const LoadedAtlas loaded = LoadGeoNamesAtlas("/no/such/geonames.mo");
  EXPECT_NE(loaded.germanNamesMissing.find("/no/such/geonames.mo"), std::string::npos);
  const PlaceAtlas atlas(loaded.places);
  EXPECT_EQ(atlas.Find("Munich", 1).at(0)->germanName, "");
  EXPECT_TRUE(atlas.Find("München", 1).empty() || atlas.Find("München", 1).at(0)->name != "Munich");
}

}  // namespace
}  // namespace sternwerk
