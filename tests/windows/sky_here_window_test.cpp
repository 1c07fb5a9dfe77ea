// The window "Himmel hier" opened from the clock window: the sky at the
// clock's place and instant as the observing functions compute it, in
// Berlin's civil time (MEZ, UT+1 in December), what is up first; it
// follows the running clock no more often than its spacing allows, and
// copies and prints its table. With STERNWERK_SCREENSHOTS set to a folder,
// the windows are saved there.
#include "windows/sky_here_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>

#include "engine/text_forms.h"
#include "observing/day_events.h"
#include "observing/decimal_text.h"
#include "observing/horizontal_sky.h"
#include "tests/windows/main_window_fixture.h"
#include "tests/windows/pdf_text.h"
#include "windows/place_setting.h"
#include "windows/position_list_view.h"

namespace sternwerk {
namespace {

const PlaceIdentity kBerlin{"Berlin", "Berlin", "Deutschland", "Europe/Berlin"};
constexpr ObserverPlace kBerlinPlace{13.4, 52.5, 0};
constexpr ClockSeconds kBerlinOffset = 3600;  // MEZ
// 23:30 UT on 8 December is 00:30 on the 9th in Berlin: the table's day.
constexpr int kDay = 8, kMonth = 12, kYear = 2026, kHour = 23, kMinute = 30;

class SkyHereWindowTest : public testing::MainWindowFixture {
 protected:
  SkyHereWindowTest()
      : MainWindowFixture(testing::UtcTime(kYear, kMonth, kDay, kHour, kMinute, 0)) {
    std::ofstream(directory.path() / "ALT.DAT", std::ios::binary)
        << "08.12.2026\r\n09:30:15\r\n+013\xB0"
           "24'\r\n+52\xB0"
           "30'\r\n";
    SaveKeptPlace({kBerlin, kBerlinPlace.longitude, kBerlinPlace.latitude});
    StartWindow();
    Button("skyHereButton")->click();
    window = Get<SkyHereWindow>("skyHereWindow");
    window->now = [this] { return realTime; };
  }
  ~SkyHereWindowTest() override { QSettings("Sternwerk", "sternwerk").remove("ort"); }

  QStringList TableLines() const { return window->table->toPlainText().split('\n'); }
  QString Shown() const { return window->instantLabel->text(); }

  SkyHereWindow* window = nullptr;
  SkyHereWindow::RealTime realTime;
};

// "HH:MM" of a reading, to the nearest minute.
QString ClockText(ClockSeconds reading) {
  return QString::fromStdString(
      FormatHours(ReadingOf(reading + 30).secondOfDay / 3600.0).substr(0, 5));
}

TEST_F(SkyHereWindowTest, ShowsTheBodiesAtTheClocksInstantUpFirstWithTheLocalDaysEvents) {
  ASSERT_TRUE(window->isVisible());
  EXPECT_EQ(Shown(), "Mi, 09.12.2026 00:30:00 MEZ \u00B7 23:30:00 WZ/GMT \u00B7 Berlin");
  EXPECT_EQ(window->eventClockLabel->text(), "Zeiten: Ortszeit (MEZ)");
  const ClockSeconds instant = ClockSecondsOf(kDay, kMonth, kYear, kHour + kMinute / 60.0);
  const ClockSeconds localMidnight = ClockSecondsOf(kDay + 1, kMonth, kYear, 0) - kBerlinOffset;
  const LocalDay day{localMidnight, localMidnight + 86400};
  const QStringList lines = TableLines();
  ASSERT_EQ(lines.size(), 1 + static_cast<int>(kObservedBodies.size()) + 1 + 8);
  bool belowSeen = false;
  for (int row = 1; row <= static_cast<int>(kObservedBodies.size()); ++row) {
    const QStringList cells = lines[row].split(' ', Qt::SkipEmptyParts);
    const auto factor = std::find_if(kObservedBodies.begin(), kObservedBodies.end(), [&](int f) {
      return ShownFactorCode(f) == cells[0].toStdString();
    });
    ASSERT_NE(factor, kObservedBodies.end()) << lines[row].toStdString();
    const Outcome<BodyInSky> body = ObserveBody(*factor, instant, kBerlinPlace);
    const Outcome<HorizonDay> events = HorizonDayOf(*factor, day, kBerlinPlace);
    ASSERT_TRUE(body.ok() && events.ok());
    EXPECT_EQ(cells[1].toStdString(), ShownDecimalText(body.value().altitude, 1, true) + "\u00B0");
    EXPECT_FALSE(belowSeen && body.value().up)
        << cells[0].toStdString() << " is up, after one below";
    belowSeen = belowSeen || !body.value().up;
    if (events.value().rise) {
      EXPECT_TRUE(cells.contains(ClockText(*events.value().rise + kBerlinOffset)))
          << lines[row].toStdString();
    }
  }
  EXPECT_TRUE(belowSeen) << "the Sun is down at midnight";
  EXPECT_TRUE(lines.last().contains("Swiss Ephemeris"));
  if (const char* folder = std::getenv("STERNWERK_SCREENSHOTS")) {
    window->grab().save(QString::fromLocal8Bit(folder) + "/sky_here_window.png");
    form->grab().save(QString::fromLocal8Bit(folder) + "/main_window_sky_here_button.png");
  }
}

// A place typed by its coordinates has no zone: its times are Universal
// Time, of the Universal day. Where the library cannot compute the
// instant, the window says so instead of a table.
TEST_F(SkyHereWindowTest, ShowsUniversalTimeWithoutAZoneAndWhatTheLibraryCannotCompute) {
  struct Case {
    PlaceIdentity place;
    ClockReading instant;
    const char* instantLine;
    const char* eventClockLine;
    const char* tableStart;
  };
  const Case cases[] = {{{},
                         {kDay, kMonth, kYear},
                         "Di, 08.12.2026 23:30:00 WZ/GMT \u00B7 013\u00B024' E, 52\u00B030' N",
                         "Zeiten: Weltzeit (UT)",
                         "K\u00F6rper"},
                        {kBerlin,
                         {31, 12, 4999},
                         "Mi, 01.01.5000 00:30:00 MEZ \u00B7 23:30:00 WZ/GMT \u00B7 Berlin",
                         "Zeiten: Ortszeit (MEZ)",
                         "Die Swiss Ephemeris kann diesen Zeitpunkt nicht berechnen: "}};
  const ClockSeconds midnight = ClockSecondsOf(kDay, kMonth, kYear, 0);
  const Outcome<HorizonDay> sun = HorizonDayOf(kSun, {midnight, midnight + 86400}, kBerlinPlace);
  ASSERT_TRUE(sun.ok() && sun.value().rise);
  for (const Case& shown : cases) {
    window->close();
    clock->SetPlaceIdentity(shown.place);
    SetInstant(sky(), shown.instant.day, shown.instant.month, shown.instant.year,
               kHour + kMinute / 60.0);
    Button("skyHereButton")->click();
    EXPECT_EQ(Shown(), shown.instantLine);
    EXPECT_EQ(window->eventClockLabel->text(), shown.eventClockLine);
    const QStringList lines = TableLines();
    EXPECT_TRUE(lines.first().startsWith(shown.tableStart)) << lines.first().toStdString();
    if (shown.place.timeZone.empty()) {
      const QString sunRow = lines.filter(QRegularExpression("^SO ")).value(0);
      EXPECT_TRUE(sunRow.contains(" " + ClockText(*sun.value().rise) + " "))
          << sunRow.toStdString();
    }
  }
}

TEST_F(SkyHereWindowTest, FollowsTheRunningClockNoMoreOftenThanItsSpacing) {
  const QString opened = Shown();
  Tick();  // no real time passed since the window showed the sky
  EXPECT_EQ(Shown(), opened);
  ASSERT_TRUE(window->updateTimer->isActive()) << "the last instant is shown when the time is up";
  testing::FireTimer(window->updateTimer);
  EXPECT_EQ(Shown(), "Mi, 09.12.2026 00:30:01 MEZ \u00B7 23:30:01 WZ/GMT \u00B7 Berlin");
  Tick();
  realTime += window->UpdateSpacing();
  Tick();
  EXPECT_TRUE(Shown().contains("00:30:03 MEZ")) << "at once after the spacing";
  EXPECT_FALSE(window->updateTimer->isActive());

  window->close();
  realTime += window->UpdateSpacing();
  Tick();
  EXPECT_TRUE(Shown().contains("00:30:03 MEZ")) << "closed, it does not follow";
  EXPECT_FALSE(window->updateTimer->isActive());
  Button("skyHereButton")->click();
  EXPECT_TRUE(Shown().contains("00:30:04 MEZ")) << "opened again, it shows the sky at once";
}

TEST_F(SkyHereWindowTest, CopiesAndPrintsTheWholeTable) {
  window->copyButton->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), window->Lines().join('\n'));
  EXPECT_EQ(window->Lines().mid(3), TableLines());

  const std::size_t told = messages.shown().size();
  const std::filesystem::path pdf = directory.path() / "himmel.pdf";
  window->printerChoice = std::make_unique<PdfFileChoice>(QString::fromStdString(pdf.string()));
  window->printButton->click();
  const QString printed = testing::PdfText(pdf);
  for (const QString& line : window->Lines())
    EXPECT_TRUE(printed.simplified().contains(line.simplified())) << line.toStdString();
  EXPECT_EQ(messages.shown().size(), told) << "no failure told";
}

}  // namespace
}  // namespace sternwerk
