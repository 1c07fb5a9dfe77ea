// The place's name and local civil time in the clock window, kept between
// runs with the place's coordinates, and in the enlarged chart's header.
// Expected times follow the zones' rules (Berlin: UT+1, summer time UT+2
// from the last Sunday of March to the last Sunday of October, 01:00 UT) or
// the mean time of the longitude (4 minutes a degree).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <fstream>
#include <memory>

#include "charts/chart_print_page.h"
#include "clock/clock.h"
#include "engine/calendar.h"
#include "platform/recording_messages.h"
#include "tests/support/chart_test_support.h"
#include "tests/support/fake_system_clock.h"
#include "tests/support/fixture_atlas.h"
#include "tests/support/temporary_directory.h"
#include "tests/support/widget_lookup.h"
#include "windows/main_window.h"
#include "windows/place_setting.h"
#include "windows/place_time_text.h"

namespace sternwerk {
namespace {

using testing::FakeSystemClock;
using testing::UtcTime;

const PlaceIdentity kBerlin{"Berlin", "Berlin", "Deutschland", "Europe/Berlin"};
// Berlin's coordinates to the minute as the date/time/place dialog keeps them.
constexpr double kBerlinLongitude = 13 + 24 / 60.0;
constexpr double kBerlinLatitude = 52 + 31 / 60.0;
constexpr char kBerlinStateFile[] =
    "08.12.2026\r\n09:30:15\r\n+013\xB0"
    "24'\r\n+52\xB0"
    "31'\r\n";

SkyState SkyAt(int day, int month, int year, int hours, int minutes, int seconds,
               double longitude) {
  SkyState sky;
  SetInstant(sky, day, month, year, hours + minutes / 60.0 + seconds / 3600.0);
  sky.longitude = longitude;
  return sky;
}

TEST(PlaceTime, FollowsTheZoneInWinterAndSummer) {
  const PlaceTimeParts winter = PlaceTimeAt(kBerlin, SkyAt(8, 12, 2026, 9, 30, 15, 13.4));
  EXPECT_EQ(winter.name, "Berlin");
  EXPECT_EQ(winter.time, "10:30:15 MEZ (UT+1)");
  EXPECT_EQ(PlaceTimeAt(kBerlin, SkyAt(15, 7, 2026, 23, 0, 0, 13.4)).time, "01:00:00 MESZ (UT+2)");
  EXPECT_TRUE(winter.zoneProblem.empty());
}

TEST(PlaceTime, APlaceWithoutZoneOrWithAnUnknownOneHasItsMeanTime) {
  const PlaceTimeParts typed = PlaceTimeAt({}, SkyAt(8, 12, 2026, 9, 30, 15, 10));
  EXPECT_EQ(typed.name, "");
  EXPECT_EQ(typed.time, "10:10:15 mittlere Ortszeit (UT+0:40)");
  EXPECT_TRUE(typed.zoneProblem.empty());
  const PlaceTimeParts unknown =
      PlaceTimeAt({"Olymp", "", "", "Mars/Olympus_Mons"}, SkyAt(8, 12, 2026, 9, 30, 15, -7.5));
  EXPECT_EQ(unknown.time, "09:00:15 mittlere Ortszeit (UT-0:30)");
  EXPECT_NE(unknown.zoneProblem.find("Mars/Olympus_Mons"), std::string::npos);
}

// The chart writes the local date, which may differ from the Universal one.
TEST(PlaceTime, TheChartLineNamesOnlyANamedPlace) {
  const SkyState evening = SkyAt(8, 12, 2026, 23, 30, 0, 13.4);
  EXPECT_EQ(ChartPlaceTimeText(kBerlin, evening),
            "Ortszeit Berlin: Mi, 09.12.2026 / 00:30:00 MEZ (UT+1)");
  EXPECT_EQ(ChartPlaceTimeText({"K\xC3\xB6ln \xC5\x81\xC3\xB3"
                                "d\xC5\xBA",
                                "", "", "Europe/Berlin"},
                               evening)
                .substr(0, 20),
            "Ortszeit K\xF6ln ?\xF3"
            "d?: ");
  EXPECT_EQ(ChartPlaceTimeText(TypedPlaceIdentity(FixtureAtlas(), 13.4, 52.5), evening), "");
}

class PlaceTimeWindow : public ::testing::Test {
 protected:
  ~PlaceTimeWindow() override { ForgetKeptPlace(); }

  // Starts with this ALT.DAT, or with the one there when none is given.
  void Start(const char* stateFile = nullptr) {
    if (stateFile) std::ofstream(directory.path() / "ALT.DAT", std::ios::binary) << stateFile;
    messages.SetDefaultAnswer(false);
    clock = std::make_unique<Clock>(systemClock, directory.path());
    form = std::make_unique<MainWindow>(*clock,
                                        MainWindowServices{messages, "TestOS", QSize(5000, 7100),
                                                           [] { return true; }, [] {}, atlas},
                                        SecondaryWindows{});
    form->StartUp();
  }

  static void ForgetKeptPlace() { QSettings("Sternwerk", "sternwerk").remove("ort"); }

  QLabel* PlaceTime() const { return testing::Child<QLabel>(*form, "placeTimeLabel"); }

  void Tick() {
    systemClock.Advance(std::chrono::seconds(1));
    testing::FireTimer(testing::Child<QTimer>(*form, "tickTimer"));
  }

  const PlaceAtlas atlas = FixtureAtlas();
  testing::TemporaryDirectory directory;
  RecordingMessages messages;
  FakeSystemClock systemClock{UtcTime(2026, 3, 29, 0, 59, 59)};
  std::unique_ptr<Clock> clock;
  std::unique_ptr<MainWindow> form;
};

TEST_F(PlaceTimeWindow, TheLocalTimeFollowsTheTickAcrossTheChangeToSummerTime) {
  SaveKeptPlace({kBerlin, kBerlinLongitude, kBerlinLatitude});
  Start(kBerlinStateFile);
  EXPECT_EQ(PlaceTime()->text(), "Berlin \u00B7 01:59:59 MEZ (UT+1)");
  Tick();
  EXPECT_EQ(testing::Child<QLabel>(*form, "timeLabel")->text(), "01:00:00 WZ/GMT");
  EXPECT_EQ(PlaceTime()->text(), "Berlin \u00B7 03:00:00 MESZ (UT+2)");
}

// Kept coordinates a minute away from ALT.DAT's belong to another place: the
// place is a typed one, with the zone of the atlas place near it.
TEST_F(PlaceTimeWindow, TheKeptNameIsTakenOnlyForItsOwnCoordinates) {
  SaveKeptPlace({kBerlin, kBerlinLongitude, kBerlinLatitude + 1 / 60.0});
  Start(kBerlinStateFile);
  EXPECT_EQ(clock->placeIdentity(), TypedPlaceIdentity(atlas, kBerlinLongitude, kBerlinLatitude));
  EXPECT_EQ(PlaceTime()->text(), "01:59:59 MEZ (UT+1)");

  SaveKeptPlace({kBerlin, kBerlinLongitude, kBerlinLatitude});
  testing::Child<QPushButton>(*form, "haltButton")->click();
  testing::Child<QPushButton>(*form, "lastInstantButton")->click();
  EXPECT_EQ(clock->placeIdentity(), kBerlin) << "Alt-Datum/Zeit takes the kept name again";
  EXPECT_EQ(PlaceTime()->text(), "Berlin \u00B7 10:30:15 MEZ (UT+1)");
}

TEST_F(PlaceTimeWindow, TheEndKeepsTheNameWithTheCoordinatesOfAltDat) {
  Start(kBerlinStateFile);
  const PlaceIdentity munich = IdentityOf(*atlas.Find("M\xC3\xBCnchen", 1).at(0));
  clock->SetPlaceIdentity(munich);
  clock->sky().longitude = 11 + 35 / 60.0;
  clock->sky().latitude = 48 + 8 / 60.0;
  clock->sky().longitudeText =
      "+011\xB0"
      "35'";
  clock->sky().latitudeText =
      "+48\xB0"
      "08'";
  ASSERT_TRUE(form->close());
  const std::optional<KeptPlace> kept = LoadKeptPlace();
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->identity, munich);

  form.reset();
  Start();
  EXPECT_EQ(clock->placeIdentity(), munich) << "the next run takes it with ALT.DAT's place";
}

// The unknown zone is told once, not at every tick.
TEST_F(PlaceTimeWindow, AnUnknownZoneShowsTheMeanTimeAndIsToldOnce) {
  SaveKeptPlace({{"Olymp", "", "", "Mars/Olympus_Mons"}, kBerlinLongitude, kBerlinLatitude});
  Start(kBerlinStateFile);
  Tick();
  QApplication::processEvents();
  Tick();
  QApplication::processEvents();
  EXPECT_EQ(PlaceTime()->text(), "Olymp \u00B7 01:53:37 mittlere Ortszeit (UT+0:53:36)");
  const auto told = std::count_if(messages.shown().begin(), messages.shown().end(),
                                  [](const auto& shown) { return shown.text.contains("Mars/"); });
  EXPECT_EQ(told, 1);
}

// The time stays whole in the label; a name too long for the rest is cut
// short and whole in the hint. The label keeps to the dial's corner, clear of
// the enlarge button and the panels. With STERNWERK_SCREENSHOTS set to a
// folder, the window is saved there as it shows a named place.
TEST_F(PlaceTimeWindow, TheLineFitsTheDialsCornerAtTheWindowsFixedSize) {
  const PlaceIdentity longName{"Villingen-Schwenningen im Schwarzwald-Baar-Kreis", "", "", ""};
  const struct {
    PlaceIdentity kept;
    const char* time;
  } cases[] = {{longName, " \u00B7 01:53:35 mittlere Ortszeit (UT+0:53:36)"},
               {kBerlin, " \u00B7 01:59:59 MEZ (UT+1)"}};
  for (const auto& [kept, time] : cases) {
    SaveKeptPlace({kept, kBerlinLongitude, kBerlinLatitude});
    Start(kBerlinStateFile);
    const QLabel* label = PlaceTime();
    EXPECT_TRUE(label->text().endsWith(QString::fromUtf8(time))) << label->text().toStdString();
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
    EXPECT_EQ(label->toolTip().toStdString(), kept.name);
    const QRect dialCorner(QPoint(260, 500), QPoint(528, 549));
    EXPECT_TRUE(dialCorner.contains(label->geometry())) << label->x() << " " << label->width();
    EXPECT_FALSE(label->geometry().intersects(
        testing::Child<QPushButton>(*form, "enlargeButton")->geometry()));
  }
  if (const char* folder = std::getenv("STERNWERK_SCREENSHOTS")) {
    form->grab().save(QString::fromLocal8Bit(folder) + "/main_window_named_place.png");
  }
}

}  // namespace
}  // namespace sternwerk
