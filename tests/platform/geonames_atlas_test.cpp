// The atlas built from the installed GeoNames cities and the German
// catalogue, as the program loads it whatever the system's locale.
#include "platform/geonames_atlas.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/german_locale.h"

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

// The library's getters name the places in the language of the process's
// locale; the atlas keeps the English names, and the German ones beside
// them, on a German desktop too.
TEST(GeoNamesAtlas, OnAGermanDesktopTheEnglishNamesAreKept) {
  std::vector<AtlasPlace> places;
  {
    const testing::GermanLocale german;
    if (!german.active()) GTEST_SKIP() << "no German locale here (Debian's locales package)";
    places = LoadGeoNamesAtlas().places;
  }
  const PlaceAtlas atlas(std::move(places));
  const struct {
    const char* typed;
    const char* name;
    const char* germanName;
    const char* region;
  } cases[] = {
      {"Munich", "Munich", "München", "Bavaria"},
      {"Köln", "Cologne", "Köln", "North Rhine-Westphalia"},
      {"Wittenberg", "Wittenberg", "Lutherstadt Wittenberg", "Saxony-Anhalt"},
  };
  for (const auto& test : cases) {
    const std::vector<const AtlasPlace*> found = atlas.Find(test.typed, 1);
    ASSERT_EQ(found.size(), 1u) << test.typed;
    EXPECT_EQ(found[0]->name, test.name);
    EXPECT_EQ(found[0]->germanName, test.germanName);
    EXPECT_EQ(found[0]->region, test.region);
    EXPECT_EQ(found[0]->country, "Germany");
  }
  EXPECT_EQ(atlas.Find("Wittenberg", 2).at(1)->name, "Wittenberge");
}

}  // namespace
}  // namespace sternwerk
