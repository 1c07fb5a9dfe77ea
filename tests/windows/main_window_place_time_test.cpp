// The place's name and local civil time in the clock window, kept between
// runs with the place's coordinates. Expected times follow the zone's rules
// (Berlin: UT+1, summer time UT+2 from the last Sunday of March, 01:00 UT) or
// the mean time of the longitude (4 minutes a degree).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>

#include "clock/clock.h"
#include "engine/calendar.h"
#include "places/qt/place_setting.h"
#include "places/qt/place_time_text.h"
#include "tests/support/widget_lookup.h"
#include "tests/windows/main_window_fixture.h"
#include "windows/computation_setting.h"
#include "windows/date_time_place_dialog.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

using testing::Child;

const PlaceIdentity kBerlin{"Berlin", "Berlin", "Deutschland", "Europe/Berlin"};
constexpr double kLongitude = 13.4, kLatitude = 52.5;  // ALT.DAT's place below
constexpr int kCompassLeft = 179;                      // "O <" on the dial
constexpr char kStateFile[] =
    "08.12.2026\r\n09:30:15\r\n+013\xB0"
    "24'\r\n+52\xB0"
    "30'\r\n";

// A place without a zone has its mean time; the chart names the local date
// and time of a named place only.
TEST(PlaceTime, TheTextsOfNamedAndTypedPlaces) {
  SkyState sky;
  SetInstant(sky, 8, 12, 2026, 23.5);
  sky.longitude = kLongitude;
  const PlaceTimeParts typed = PlaceTimeAt({}, sky);
  EXPECT_EQ(typed.name + typed.time, "00:23:36 mittlere Ortszeit (UT+0:53:36)");
  EXPECT_EQ(ChartPlaceTimeText(kBerlin, sky),
            "Ortszeit Berlin: Mi, 09.12.2026 / 00:30:00 MEZ (UT+1)");
  EXPECT_EQ(ChartPlaceTimeText({"\xC5\x81\xC3\xB3"
                                "d\xC5\xBA",
                                "", "", ""},
                               sky)
                .substr(0, 15),
            "Ortszeit ?\xF3"
            "d?: ");
  EXPECT_EQ(ChartPlaceTimeText({"", "", "", "Europe/Berlin"}, sky), "");
}

class PlaceTimeWindow : public testing::MainWindowFixture {
 protected:
  PlaceTimeWindow() : MainWindowFixture(testing::UtcTime(2026, 3, 29, 0, 59, 59)) {
    versionText = "";
    printPage = {};
  }
  ~PlaceTimeWindow() override {
    QSettings("Sternwerk", "sternwerk").remove("ort");
    SaveLocalTimeFirst(false);
  }

  // Starts with kStateFile, or with the ALT.DAT the last run wrote.
  void Start(bool fresh = true) {
    if (fresh) std::ofstream(directory.path() / "ALT.DAT", std::ios::binary) << kStateFile;
    StartWindow([this](Clock&) {
      dialog = Own<DateTimePlaceDialog>(enteredSky, messages, atlas);
      return SecondaryWindows{.dateTimePlace = dialog};
    });
  }
  QString Shown() const { return Label("placeTimeLabel")->text(); }
  void Tick() {
    MainWindowFixture::Tick();
    QApplication::processEvents();
  }

  DateTimePlaceDialog* dialog = nullptr;
};

// With STERNWERK_SCREENSHOTS set to a folder, the window is saved there.
TEST_F(PlaceTimeWindow, TheLocalTimeFollowsTheTickAcrossTheChangeToSummerTime) {
  SaveKeptPlace({kBerlin, kLongitude, kLatitude});
  Start();
  EXPECT_EQ(Shown(), "Berlin \u00B7 01:59:59 MEZ (UT+1)");
  Tick();
  EXPECT_EQ(Child<QLabel>(*form, "timeLabel")->text(), "01:00:00 WZ/GMT");
  EXPECT_TRUE(Label("universalTimeLabel")->isHidden());
  EXPECT_EQ(Shown(), "Berlin \u00B7 03:00:00 MESZ (UT+2)");
  if (const char* folder = std::getenv("STERNWERK_SCREENSHOTS"))
    form->grab().save(QString::fromLocal8Bit(folder) + "/main_window_named_place.png");
}

// "Ortszeit" ticked in the dialog is kept: the time line shows Berlin's
// local date and time first, Universal Time below with its date where that
// differs, and so does the full moon found. The texts fit their labels.
TEST_F(PlaceTimeWindow, LocalTimeFirstIsKeptAndShowsUniversalTimeBelow) {
  SaveKeptPlace({kBerlin, kLongitude, kLatitude});
  systemClock.Set(testing::UtcTime(2026, 3, 28, 23, 30, 0));
  Start();
  QTimer::singleShot(0, dialog, [this] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::mouseClick(dialog->localTimeBox, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  Child<QPushButton>(*form, "dateTimePlaceButton")->click();
  form.reset();
  Start(false);
  const std::pair<const char*, QString> lines[] = {{"dateLabel", "So, 29.03.2026"},
                                                   {"timeLabel", "00:30:00 MEZ"},
                                                   {"universalTimeLabel", "28.03. 23:30:00 WZ/GMT"},
                                                   {"placeLabel", "013\u00B024' E, 52\u00B030' N"}};
  for (const auto& [name, text] : lines) {
    const QLabel* label = Label(name);
    EXPECT_EQ(label->text(), text) << name;
    EXPECT_FALSE(label->isHidden()) << name;
    EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->width()) << name;
  }
  Child<QPushButton>(*form, "haltButton")->click();
  Child<QPushButton>(*form, "fullMoonButton")->click();
  EXPECT_TRUE(Label("timeLabel")->text().endsWith(" MESZ")) << "the full moon of 2 April";
  const QLabel* result = Label("searchResultLabel");
  EXPECT_EQ(result->text(), " Vollmond \n " + Label("timeLabel")->text() + " \n " +
                                Label("universalTimeLabel")->text() + " ");
  EXPECT_LT(result->geometry().right(), kCompassLeft) << "the compass line stays clear";
}

// Kept coordinates a minute from ALT.DAT's belong to another place: this one
// is a typed place, with the zone of the atlas place near it, and the end
// keeps that with ALT.DAT's coordinates. Alt-Datum/Zeit takes a kept name
// that belongs to them.
TEST_F(PlaceTimeWindow, TheKeptNameIsTakenOnlyForItsOwnCoordinates) {
  SaveKeptPlace({kBerlin, kLongitude, kLatitude + 1 / 60.0});
  Start();
  const PlaceIdentity typed = TypedPlaceIdentity(atlas, kLongitude, kLatitude);
  EXPECT_EQ(clock->placeIdentity(), typed);
  EXPECT_EQ(Shown(), "01:59:59 MEZ (UT+1)");
  ASSERT_TRUE(form->close());
  EXPECT_EQ(LoadKeptPlace()->identity, typed);

  SaveKeptPlace({kBerlin, kLongitude, kLatitude});
  Child<QPushButton>(*form, "lastInstantButton")->click();
  EXPECT_EQ(Shown(), "Berlin \u00B7 01:59:59 MEZ (UT+1)");
  form.reset();
  Start(false);
  EXPECT_EQ(clock->placeIdentity(), kBerlin);
}

// ALT.DAT keeps whole minutes; the kept place brings back a chosen place's
// exact coordinates at the start, and the end keeps them again.
TEST_F(PlaceTimeWindow, AChosenPlaceKeepsItsExactCoordinatesBetweenRuns) {
  const AtlasPlace& berlin = *atlas.Find("Berlin", 1).front();
  SaveKeptPlace({IdentityOf(berlin, Language::kGerman), berlin.longitude, berlin.latitude});
  std::ofstream(directory.path() / "ALT.DAT", std::ios::binary)
      << "08.12.2026\r\n09:30:15\r\n+013\xB0"
         "25'\r\n+52\xB0"
         "31'\r\n";
  Start(false);
  EXPECT_EQ(clock->sky().longitude, berlin.longitude);
  EXPECT_EQ(clock->sky().latitude, berlin.latitude);
  ASSERT_TRUE(form->close());
  EXPECT_EQ(LoadKeptPlace()->latitude, berlin.latitude);
}

// A place chosen from the atlas, kept with its coordinates rounded to the
// minute as earlier runs kept them, and the names of the language it was
// chosen in; the next run names it in its own.
TEST(KeptPlace, IsNamedInTheLanguageShownWhateverItWasKeptIn) {
  const PlaceAtlas atlas = FixtureAtlas();
  const AtlasPlace& munich = *atlas.Find("Munich", 1).front();
  const auto toMinute = [](double degrees) { return std::round(degrees * 60) / 60; };
  SkyState sky;
  sky.longitude = toMinute(munich.longitude);
  sky.latitude = toMinute(munich.latitude);
  for (const Language kept : {Language::kGerman, Language::kEnglish}) {
    const KeptPlace place{IdentityOf(munich, kept), sky.longitude, sky.latitude};
    for (const Language shown : {Language::kGerman, Language::kEnglish})
      EXPECT_EQ(IdentityForSkyPlace(place, sky, atlas, shown), IdentityOf(munich, shown));
  }
  const KeptPlace olymp{{"Olymp", "", "", "Mars/Olympus_Mons"}, sky.longitude, sky.latitude};
  EXPECT_EQ(IdentityForSkyPlace(olymp, sky, atlas, Language::kEnglish), olymp.identity)
      << "a name the atlas does not give the place there stays as it was kept";
}

// The mean time, the longest line, fits the dial's corner clear of the
// enlarge button; the unknown zone is told once, not at every tick.
TEST_F(PlaceTimeWindow, AnUnknownZoneShowsTheMeanTimeAndIsToldOnce) {
  SaveKeptPlace({{"Olymp", "", "", "Mars/Olympus_Mons"}, kLongitude, kLatitude});
  Start();
  Tick();
  Tick();
  EXPECT_EQ(Shown(), "Olymp \u00B7 01:53:37 mittlere Ortszeit (UT+0:53:36)");
  EXPECT_EQ(std::count_if(messages.shown().begin(), messages.shown().end(),
                          [](const auto& shown) { return shown.text.contains("Mars/Olympus"); }),
            1);
  const QLabel* label = Child<QLabel>(*form, "placeTimeLabel");
  EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
  EXPECT_TRUE(QRect(260, 480, 269, 70).contains(label->geometry()));
  EXPECT_FALSE(
      label->geometry().intersects(Child<QPushButton>(*form, "enlargeButton")->geometry()));
}

}  // namespace
}  // namespace sternwerk
