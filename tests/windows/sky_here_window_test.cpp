// The window "Himmel hier" opened from the clock window: the sky at the
// clock's place and instant as the observing functions compute it, in
// Berlin's civil time (MEZ, UT+1 in December); it follows the running
// clock no more often than its spacing allows, and copies and prints.
#include "windows/sky_here_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>

#include "engine/text_forms.h"
#include "observing/day_events.h"
#include "observing/decimal_text.h"
#include "observing/horizontal_sky.h"
#include "tests/windows/main_window_fixture.h"
#include "tests/windows/pdf_text.h"
#include "windows/position_list_view.h"

namespace sternwerk {
namespace {

const PlaceIdentity kBerlin{"Berlin", "Berlin", "Deutschland", "Europe/Berlin"};
constexpr ObserverPlace kBerlinPlace{13.4, 52.5, 0};
constexpr ClockSeconds kBerlinOffset = 3600;  // MEZ
// 23:30 UT on 8 December is 00:30 on the 9th in Berlin.
constexpr int kDay = 8, kMonth = 12, kYear = 2026, kHour = 23, kMinute = 30;

class SkyHereWindowTest : public testing::MainWindowFixture {
 protected:
  SkyHereWindowTest()
      : MainWindowFixture(testing::UtcTime(kYear, kMonth, kDay, kHour, kMinute, 0)) {
    StartWindow();
    SetClockPlace(kBerlinPlace.longitude, kBerlinPlace.latitude, kBerlin);
    Button("skyHereButton")->click();
    window = Get<SkyHereWindow>("skyHereWindow");
    window->now = [this] { return realTime; };
  }

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

// Each body's row: its altitude as ObserveBody gives it, those up first,
// its rise in the place's time on the day the events belong to (Berlin's
// local day, the 9th; the Universal day, the 8th, for a place typed by its
// coordinates, which has no zone). Where the library cannot compute the
// instant, the window says so instead of a table.
TEST_F(SkyHereWindowTest, ShowsTheBodiesUpFirstWithTheDaysEventsInThePlacesTime) {
  struct Case {
    PlaceIdentity place;
    ClockSeconds offset;  // of the place's time
    int day, year;
    const char* instantLine;
  };
  const Case cases[] = {
      {kBerlin, kBerlinOffset, kDay, kYear,
       "Mi, 09.12.2026 00:30:00 MEZ · 23:30:00 WZ/GMT · Berlin"},
      {{}, 0, kDay, kYear, "Di, 08.12.2026 23:30:00 WZ/GMT · 013°24' E, 52°30' N"},
      {kBerlin, kBerlinOffset, 31, 4999, "Mi, 01.01.5000 00:30:00 MEZ · 23:30:00 WZ/GMT · Berlin"}};
  for (const Case& shown : cases) {
    window->close();
    SetClockPlace(kBerlinPlace.longitude, kBerlinPlace.latitude, shown.place);
    const double hours = kHour + kMinute / 60.0;
    SetClockInstant(shown.day, kMonth, shown.year, hours);
    Button("skyHereButton")->click();
    EXPECT_EQ(Shown(), shown.instantLine);
    EXPECT_EQ(window->eventClockLabel->text(),
              shown.offset ? "Zeiten: Ortszeit (MEZ)" : "Zeiten: Weltzeit (UT)");
    const QStringList lines = TableLines();
    if (shown.year != kYear) {
      EXPECT_TRUE(lines.first().startsWith("Die Swiss Ephemeris kann diesen Zeitpunkt nicht"));
      continue;
    }
    const ClockSeconds instant = ClockSecondsOf(kDay, kMonth, kYear, hours);
    const ClockSeconds midnight = (instant + shown.offset) / 86400 * 86400 - shown.offset;
    ASSERT_EQ(lines.size(), 1 + static_cast<int>(kObservedBodies.size()) + 1 + 8);
    bool belowSeen = false;
    for (int row = 1; row <= static_cast<int>(kObservedBodies.size()); ++row) {
      const QStringList cells = lines[row].split(' ', Qt::SkipEmptyParts);
      const auto factor = std::ranges::find_if(
          kObservedBodies, [&](int f) { return ShownFactorCode(f) == cells[0].toStdString(); });
      ASSERT_NE(factor, kObservedBodies.end()) << lines[row].toStdString();
      const Outcome<BodyInSky> body = ObserveBody(*factor, instant, kBerlinPlace);
      const Outcome<HorizonDay> events =
          HorizonDayOf(*factor, {midnight, midnight + 86400}, kBerlinPlace);
      ASSERT_TRUE(body.ok() && events.ok());
      EXPECT_EQ(cells[1].toStdString(), ShownDecimalText(body.value().altitude, 1, true) + "°");
      EXPECT_FALSE(belowSeen && body.value().up) << lines[row].toStdString() << ": up, too late";
      belowSeen = belowSeen || !body.value().up;
      if (events.value().rise) {
        EXPECT_TRUE(cells.contains(ClockText(*events.value().rise + shown.offset)))
            << lines[row].toStdString();
      }
    }
    EXPECT_TRUE(belowSeen) << "the Sun is down at midnight";
    EXPECT_TRUE(lines.last().contains("Swiss Ephemeris"));
  }
}

TEST_F(SkyHereWindowTest, FollowsTheRunningClockNoMoreOftenThanItsSpacing) {
  const QString opened = Shown();
  Tick();  // no real time passed since the window showed the sky
  EXPECT_EQ(Shown(), opened);
  ASSERT_TRUE(window->updateTimer->isActive()) << "the last instant is shown when the time is up";
  testing::FireTimer(window->updateTimer);
  EXPECT_TRUE(Shown().contains("00:30:01 MEZ"));
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
