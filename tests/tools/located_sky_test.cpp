// The place and local time of sternwerk-sky's --place and --local, on a
// fixture atlas. Expected instants come from the tzdata rules of the zones.
#include "tools/located_sky.h"

#include <gtest/gtest.h>

#include "tests/support/fixture_atlas.h"

namespace sternwerk {
namespace {

const PlaceAtlas& Atlas() {
  static const PlaceAtlas atlas = [] {
    PlaceAtlas fixture = FixtureAtlas();
    std::vector<AtlasPlace> places = {
        FixturePlace("Atlantis", "", "", "Nowhere", "Atlantic/Atlantis", -30, 30, 1),
        FixturePlace("Beirut", "", "Beyrouth", "Lebanon", "Asia/Beirut", 35.49442, 33.88894, 1)};
    for (const char* name : {"Ulm", "Paris", "Sydney", "Munich"})
      places.push_back(*fixture.Find(name, 1).front());
    return PlaceAtlas(std::move(places));
  }();
  return atlas;
}

LocatedSky PlaceOf(const char* name, std::vector<std::string> coordinates = {}) {
  PlaceOptions options;
  options.local = true;
  if (name != nullptr) options.name = name;
  return LocatePlace(coordinates, options, &Atlas()).value();
}

// The Universal Time of a local reading, "DD.MM.YYYY HH:MM:SS", and the
// place lines.
struct Converted {
  std::string universal;
  std::vector<std::string> lines;
  int refused;
};

Converted AtLocal(LocatedSky place, const CalendarDate& date, double hours) {
  const ToolOutcome<LocatedSky> located =
      AtLocalOrUniversalTime(std::move(place), date, hours, true);
  if (!located.ok()) return {"", {located.ending().ErrorText()}, located.ending().status()};
  const LocatedSky& at = located.value();
  const ClockSeconds universal = UniversalSeconds(at.sky);
  const ClockReading reading = ReadingOf(universal);
  char time[48];
  std::snprintf(time, sizeof time, " %02d:%02d:%02d", reading.secondOfDay / 3600,
                reading.secondOfDay / 60 % 60, reading.secondOfDay % 60);
  return {at.sky.dateText + time, PlaceLines(at, universal, at.twice), 0};
}

// New York and Berlin's skipped and repeated hours: sky_places_test.sh.
TEST(LocatedSky, TheSouthernSummerTimeItsSkippedAndRepeatedHoursAndSkippedMidnights) {
  const Converted summer = AtLocal(PlaceOf("Sydney"), {4, 1, 2026}, 12);
  EXPECT_EQ(summer.universal, "04.01.2026 01:00:00");
  EXPECT_EQ(summer.lines.front(), "Ort: Sydney, New South Wales, Australia, Australia/Sydney");
  EXPECT_EQ(AtLocal(PlaceOf("Sydney"), {4, 7, 2026}, 12).universal, "04.07.2026 02:00:00");
  const Converted skipped = AtLocal(PlaceOf("Sydney"), {4, 10, 2026}, 2.5);
  EXPECT_EQ(skipped.refused, 2);
  EXPECT_NE(skipped.lines.front().find("04.10.2026 02:30:00 gibt es"), std::string::npos);
  const Converted twice = AtLocal(PlaceOf("Sydney"), {5, 4, 2026}, 2.5);
  EXPECT_EQ(twice.universal, "04.04.2026 15:30:00");
  EXPECT_TRUE(twice.lines.back().ends_with(" (UT+11:00:00) (doppelt: es gilt die frühere)"));
  // Beirut's clocks went from 00:00 EET to 01:00 EEST at 22:00 UT: the
  // day's search starts then.
  EXPECT_EQ(AtLocal(PlaceOf("Beirut"), {29, 3, 2026}, 0).refused, 2);
  const LocatedSky dayStart =
      AtLocalOrUniversalTime(PlaceOf("Beirut"), {29, 3, 2026}, 0, true, SkippedTime::kInstantAfter)
          .value();
  EXPECT_EQ(dayStart.sky.dateText, "28.03.2026");
  EXPECT_EQ(ReadingOf(UniversalSeconds(dayStart.sky)).secondOfDay, 22 * 3600);
  EXPECT_EQ(AtLocal(PlaceOf("munchen"), {1, 1, 2026}, 0.5).universal, "31.12.2025 23:30:00")
      << "the Universal date may be the day before";
}

TEST(LocatedSky, MeanTimeBeforeStandardTimeButParisMeanTimeAsTzdataHasIt) {
  const Converted ulm = AtLocal(PlaceOf("Ulm"), {14, 3, 1879}, 11.5);
  EXPECT_EQ(ulm.universal, "14.03.1879 10:50:02");
  EXPECT_EQ(ulm.lines.back(), "Ortszeit: 14.03.1879 11:30:00 mittlere Ortszeit (UT+0:39:58)");
  // Paris Mean Time, 0:09:21, from 1891 to 1911; the place's own is 0:09:24.
  EXPECT_EQ(AtLocal(PlaceOf("Paris"), {1, 1, 1900}, 12).universal, "01.01.1900 11:50:39");
}

TEST(LocatedSky, TypedCoordinatesTakeTheZoneOfANearbyPlaceOrTheirMeanTime) {
  const Converted nearUlm = AtLocal(PlaceOf(nullptr, {"10", "48"}), {1, 7, 2026}, 12);
  EXPECT_EQ(nearUlm.universal, "01.07.2026 10:00:00");
  EXPECT_EQ(nearUlm.lines.front(), "Ort: Europe/Berlin");
  const Converted atSea = AtLocal(PlaceOf(nullptr, {"-45", "0"}), {1, 7, 2026}, 12);
  EXPECT_EQ(atSea.universal, "01.07.2026 15:00:00");
  EXPECT_EQ(atSea.lines, std::vector<std::string>{
                             "Ortszeit: 01.07.2026 12:00:00 mittlere Ortszeit (UT-3:00:00)"});
}

TEST(LocatedSky, UnknownZonesNamesWithoutPlaceAndPlacesWithCoordinatesAreCaught) {
  const Converted atlantis = AtLocal(PlaceOf("Atlantis"), {1, 7, 2026}, 12);
  EXPECT_EQ(atlantis.universal, "01.07.2026 14:00:00") << "mean time of 30 degrees west";
  EXPECT_EQ(atlantis.lines.front(), "Ort: Atlantis, Nowhere, Atlantic/Atlantis");
  PlaceOptions unknown;
  unknown.name = "Xyzxyz";
  const ToolOutcome<LocatedSky> none = LocatePlace({}, unknown, &Atlas());
  EXPECT_EQ(none.ending().status(), kExitNotFound);
  EXPECT_EQ(none.ending().ErrorText(), "sternwerk-sky: Kein Ort beginnt mit \"Xyzxyz\"\n");
  PlaceOptions ulm;
  ulm.name = "Ulm";
  EXPECT_FALSE(LocatePlace({"10", "48"}, ulm, &Atlas()).ok());
}

}  // namespace
}  // namespace sternwerk
