// The searches of the clock window as the user runs them: the factor
// dialog, the progress shown while scanning, the result on the dial, the
// cancel and the bound. Only the message boxes and the system clock are
// replaced.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include <tuple>

#include "charts/position_list_text.h"
#include "clock/clock.h"
#include "engine/calendar.h"
#include "engine/event_search.h"
#include "engine/horizon_events.h"
#include "engine/sky.h"
#include "engine/text_forms.h"
#include "observing/lunar_eclipse.h"
#include "observing/solar_eclipse.h"
#include "platform/qt_text.h"
#include "tests/support/widget_lookup.h"
#include "tests/windows/main_window_fixture.h"
#include "windows/computation_setting.h"
#include "windows/factor_choice_dialog.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

using testing::Child;

// What the window shows while the scan runs, read at its first repaint.
struct DuringSearch {
  QString banner;
  bool bannerVisible = false;
  bool progressVisible = false;
  bool cancelVisible = false;
};

class SearchWindow : public testing::MainWindowFixture {
 protected:
  // The clock started on 08.12.2026 09:30:15 at 10 E, 50 N, then halted.
  MainWindow& StartHalted() {
    StartWindow([this](Clock& started) {
      dialog = Own<FactorChoiceDialog>(started.search(), started.display(), messages);
      return SecondaryWindows{.factorChoice = dialog};
    });
    Button("haltButton")->click();
    messages.Clear();
    return *form;
  }

  QPlainTextEdit* List() const { return Get<QPlainTextEdit>("positionList"); }

  // Runs `action` at the first chance the event loop gets: in the factor
  // dialog, or at the search's first repaint.
  static void Soon(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

  // Types into the factor dialog, then records the window at the search's
  // first repaint.
  void TypeFactorThenWatch(const QString& code) {
    Soon([this, code] {
      QTest::keyClicks(dialog->codeEdit, code);
      Soon([this] { Watch(); });
    });
  }

  void Watch() {
    during.banner = Label("searchProgressLabel")->text();
    during.bannerVisible = Label("searchProgressLabel")->isVisible();
    during.progressVisible = Child<QProgressBar>(*form, "searchProgress")->isVisible();
    during.cancelVisible = Button("searchCancelButton")->isVisible();
  }

  // The instant the engine's scan finds from the current sky().
  SkyState Expected(EventKind kind, int factor) {
    SkyState copy = sky();
    EXPECT_EQ(SearchEvent(copy, kind, factor), SearchStatus::kFound);
    return copy;
  }

  void ExpectUnchanged(const SkyState& before) {
    EXPECT_EQ(sky().dateText, before.dateText);
    EXPECT_EQ(sky().hours, before.hours);
    EXPECT_EQ(sky().longitudes, before.longitudes);
    EXPECT_FALSE(Label("searchProgressLabel")->isVisible());
    EXPECT_FALSE(Child<QProgressBar>(*form, "searchProgress")->isVisible());
    EXPECT_FALSE(Button("searchCancelButton")->isVisible());
  }

  FactorChoiceDialog* dialog = nullptr;
  DuringSearch during;
};

TEST_F(SearchWindow, CancelledFactorDialogChangesNothing) {
  MainWindow& f = StartHalted();
  f.show();
  const SkyState before = sky();
  const QString time = Label("timeLabel")->text();
  Soon([this] { QTest::keyClick(dialog->codeEdit, Qt::Key_Escape); });
  Button("riseButton")->click();
  ExpectUnchanged(before);
  EXPECT_EQ(Label("timeLabel")->text(), time);
  EXPECT_FALSE(Label("searchResultLabel")->isVisible());
  EXPECT_TRUE(clock->search().resultText.empty());
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SearchWindow, FoundRiseLeavesTheClockHaltedWithTheResultOnTheDial) {
  MainWindow& f = StartHalted();
  f.show();
  const SkyState expected = Expected(EventKind::kRise, kSun);
  TypeFactorThenWatch("so");
  Button("riseButton")->click();

  EXPECT_EQ(dialog->windowTitle(), "            Aufgangs-Faktor");
  EXPECT_EQ(during.banner, "     Heutiger SO-Aufgang wird gesucht          ");
  EXPECT_TRUE(during.bannerVisible);
  EXPECT_TRUE(during.progressVisible);
  EXPECT_TRUE(during.cancelVisible);

  EXPECT_EQ(sky().dateText, "08.12.2026");
  EXPECT_EQ(sky().hours, expected.hours);
  EXPECT_LT(sky().hours, 9.5) << "the Sun rose before the clock was halted";
  EXPECT_EQ(Label("dateLabel")->text(), "Di, 08.12.2026");
  EXPECT_EQ(Label("timeLabel")->text(),
            QString::fromStdString(FormatHours(expected.hours)) + " WZ/GMT");
  EXPECT_EQ(clock->search().resultText, " SO-Aufgang ");
  EXPECT_EQ(Label("searchResultLabel")->text(), " SO-Aufgang ");
  EXPECT_TRUE(Label("searchResultLabel")->isVisible());
  EXPECT_FALSE(Label("searchProgressLabel")->isVisible());
  EXPECT_FALSE(Child<QProgressBar>(*form, "searchProgress")->isVisible());
  EXPECT_FALSE(Child<QTimer>(*form, "tickTimer")->isActive());
  EXPECT_EQ(Label("statusLabel")->text(), " Diagramm steht ");
  EXPECT_TRUE(Button("riseButton")->isEnabled()) << "the halted-state group stays enabled";
}

TEST_F(SearchWindow, SetAndCulminationTitlesBannersAndResults) {
  MainWindow& f = StartHalted();
  f.show();
  clock->ChooseFactorSet(true);
  TypeFactorThenWatch("po");
  Button("setButton")->click();
  EXPECT_EQ(dialog->windowTitle(), "           Untergangs-Faktor");
  EXPECT_EQ(during.banner, "   Heutiger PO-Untergang wird gesucht      ");
  EXPECT_EQ(Label("searchResultLabel")->text(), " PO-Untergang ");

  TypeFactorThenWatch("mo");
  Button("culminationButton")->click();
  EXPECT_EQ(dialog->windowTitle(), "           Kulminations-Faktor");
  EXPECT_EQ(during.banner, "   Heutige MO-Kulmination wird gesucht      ");
  EXPECT_EQ(Label("searchResultLabel")->text(), " MO-Kulmination ");
  EXPECT_LT(std::fabs(sky().longitudes[kMC] - sky().longitudes[kMoon]), kAxisTolerance);
}

TEST_F(SearchWindow, FullMoonTwiceReportsTheSameLunation) {
  MainWindow& f = StartHalted();
  f.show();
  const SkyState expected = Expected(EventKind::kFullMoon, kMoon);
  Soon([this] { Watch(); });
  Button("fullMoonButton")->click();
  EXPECT_EQ(during.banner, "      Nächster Vollmond wird gesucht           ");
  EXPECT_EQ(sky().dateText, expected.dateText);
  EXPECT_EQ(sky().hours, expected.hours);
  EXPECT_EQ(Label("searchResultLabel")->text(), " Vollmond ");
  const QString date = Label("dateLabel")->text();
  const QString time = Label("timeLabel")->text();
  Button("fullMoonButton")->click();
  EXPECT_EQ(Label("dateLabel")->text(), date);
  EXPECT_EQ(Label("timeLabel")->text(), time);

  Soon([this] { Watch(); });
  Button("newMoonButton")->click();
  EXPECT_EQ(during.banner, "      Nächster Neumond wird gesucht          ");
  EXPECT_EQ(Label("searchResultLabel")->text(), " Neumond ");
}

// The eclipse searches: the banner while the search runs, then the clock
// halted at the maximum the observing functions give, its kind and figures
// over the dial, within the dial and below the clock status.
TEST_F(SearchWindow, EclipseButtonsShowTheKindAndFiguresOverTheDial) {
  MainWindow& f = StartHalted();
  f.show();
  const ClockSeconds from = ClockSecondsOf(8, 12, 2026, 9.5 + 15 / 3600.0) + 1;
  const LocalSolarEclipse solar = NextSolarEclipse(from, {10, 50, 0}).value();
  const LunarEclipse lunar = NextLunarEclipse(from, {10, 50, 0}).value();
  for (const auto& [button, search, maximum, kind] :
       {std::tuple{"solarEclipseButton", EclipseSearch::kSolar, solar.maximum,
                   SolarEclipseKindText(solar.kind)},
        std::tuple{"lunarEclipseButton", EclipseSearch::kLunar, lunar.maximum,
                   LunarEclipseKindText(lunar.kind)}}) {
    SetClockInstant(8, 12, 2026, 9.5 + 15 / 3600.0);
    Soon([this] { Watch(); });
    Button(button)->click();
    EXPECT_EQ(during.banner.toStdString(), EclipseProgressText(search));
    EXPECT_TRUE(during.cancelVisible);
    EXPECT_EQ(Label("timeLabel")->text().toStdString(),
              FormatUniversalHours(ReadingOf(maximum).secondOfDay / 3600.0));
    const QLabel* result = Label("searchResultLabel");
    EXPECT_TRUE(result->isVisible());
    EXPECT_TRUE(result->text().startsWith(" " + QString::fromStdString(kind) + " \n Gr"))
        << result->text().toStdString();
    EXPECT_EQ(result->text(), FromWindows1252(clock->SearchResultLine()));
    EXPECT_LE(result->geometry().right(), Label("statusLabel")->geometry().right());
    EXPECT_LT(result->geometry().bottom(), Button("enlargeButton")->geometry().top());
    EXPECT_LE(result->fontMetrics().horizontalAdvance(result->text().section('\n', 0, 0)),
              Label("statusLabel")->x() - result->x())
        << "the first line leaves the clock status free";
    if (const char* folder = std::getenv("STERNWERK_SCREENSHOTS"))
      f.grab().save(QString::fromLocal8Bit(folder) + "/main_window_eclipse_" +
                    QString::number(static_cast<int>(search)) + ".png");
  }
}

TEST_F(SearchWindow, CancelButtonAndEscapeReturnToTheInstantBefore) {
  MainWindow& f = StartHalted();
  f.show();
  const SkyState before = sky();
  Soon([this] { QTest::mouseClick(Button("searchCancelButton"), Qt::LeftButton); });
  Button("newMoonButton")->click();
  ExpectUnchanged(before);
  EXPECT_FALSE(Label("searchResultLabel")->isVisible());

  Soon([&f] { QTest::keyClick(&f, Qt::Key_Escape); });
  Button("fullMoonButton")->click();
  ExpectUnchanged(before);
  EXPECT_TRUE(messages.shown().empty()) << "a cancel is not reported";
}

TEST_F(SearchWindow, NoOtherControlReactsDuringTheSearch) {
  MainWindow& f = StartHalted();
  f.show();
  const SkyState before = sky();
  Soon([this, &f] {
    QTest::mouseClick(Button("haltButton"), Qt::LeftButton);    // would continue the clock
    QTest::mouseClick(Button("sourceButton"), Qt::LeftButton);  // would show the source panel
    QTest::keyClick(&f, Qt::Key_Q, Qt::AltModifier);
    f.close();
    QTest::mouseClick(Button("searchCancelButton"), Qt::LeftButton);
  });
  Button("fullMoonButton")->click();
  ExpectUnchanged(before);
  EXPECT_FALSE(Child<QTimer>(*form, "tickTimer")->isActive());
  EXPECT_EQ(Button("haltButton")->text(), "&Weiter");
  EXPECT_TRUE(Child<QWidget>(*form, "sourcePanel")->isHidden());
  EXPECT_TRUE(f.isVisible());
}

// At 80 degrees north the December Sun stays below the horizon.
TEST_F(SearchWindow, NothingFoundWithinTheBoundIsReportedAndChangesNothing) {
  MainWindow& f = StartHalted();
  f.show();
  SkyState north = sky();
  north.latitude = 80;
  clock->SetInstantAndPlace(north, clock->placeIdentity());
  ASSERT_TRUE(clock->Recompute().ok());
  const SkyState before = sky();
  Soon([this] { QTest::keyClicks(dialog->codeEdit, "SO"); });
  Button("riseButton")->click();
  ExpectUnchanged(before);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kInformation);
  EXPECT_TRUE(
      messages.shown()[0].text.startsWith("SO-Aufgang in den nächsten 31 Tagen nicht gefunden."));
  EXPECT_FALSE(Label("searchResultLabel")->isVisible());
}

// The check box in the source panel switches every position to the precise
// computation: the list heading says so, the search finds the precise
// second, and the choice is back after a restart.
// Puts the saved computation back to the own one when a test ends.
struct OwnModeAfterwards {
  ~OwnModeAfterwards() { SaveComputationMode(ComputationMode::kOwn); }
};

TEST_F(SearchWindow, PreciseModeSwitchesListSearchAndIsRemembered) {
  OwnModeAfterwards restore;
  MainWindow& f = StartHalted();
  f.show();
  const auto heading = [this] { return List()->toPlainText().split(QChar(10)).first(); };
  EXPECT_EQ(heading(), " Die Planeten-Positionen:");
  const QString ownList = List()->toPlainText();
  SkyState precise = sky();
  ComputeSky(precise, ComputationMode::kPrecise);

  Child<QCheckBox>(*form, "preciseBox")->click();
  EXPECT_EQ(heading(), " Die Positionen (genau):");
  for (const ComputationUsed used :
       {ComputationUsed::kOwn, ComputationUsed::kEphemerisFiles, ComputationUsed::kAnalyticalTheory,
        ComputationUsed::kOwnAfterFailure}) {
    const QString text = QString::fromStdString(PositionListHeading(used));
    EXPECT_LE(QFontMetrics(List()->font()).horizontalAdvance(text), List()->viewport()->width())
        << text.toStdString() << " is cut off";
  }
  EXPECT_EQ(sky().longitudes, precise.longitudes);
  EXPECT_NE(List()->toPlainText(), ownList);

  SkyState own = sky(), expected = sky();
  ASSERT_EQ(SearchEvent(own, EventKind::kRise, kMoon), SearchStatus::kFound);
  ASSERT_EQ(
      SearchEvent(expected, EventKind::kRise, kMoon, {}, std::nullopt, ComputationMode::kPrecise),
      SearchStatus::kFound);
  EXPECT_NE(own.hours, expected.hours) << "the two computations differ by seconds here";
  TypeFactorThenWatch("mo");
  Button("riseButton")->click();
  EXPECT_EQ(sky().dateText, expected.dateText);
  EXPECT_EQ(sky().hours, expected.hours);
  EXPECT_EQ(sky().longitudes, expected.longitudes);

  form.reset();
  StartHalted();
  EXPECT_TRUE(Child<QCheckBox>(*form, "preciseBox")->isChecked());
  EXPECT_EQ(heading(), " Die Positionen (genau):");
  Child<QCheckBox>(*form, "preciseBox")->click();
  EXPECT_EQ(heading(), " Die Planeten-Positionen:");
}

// Beyond the library's years the own positions are shown, and why is told
// once, not at every tick.
TEST_F(SearchWindow, PreciseFallbackIsToldOnceWithTheLibrarysReason) {
  OwnModeAfterwards restore;
  MainWindow& f = StartHalted();
  f.show();
  SetClockInstant(1, 1, 5000, 12);
  Child<QCheckBox>(*form, "preciseBox")->click();
  Button("haltButton")->click();  // "&Weiter"
  for (int tick = 0; tick < 3; ++tick) testing::FireTimer(Child<QTimer>(*form, "tickTimer"));
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
  EXPECT_TRUE(messages.shown()[0].text.contains("sepl_48.se1"))
      << messages.shown()[0].text.toStdString();
  EXPECT_EQ(List()->toPlainText().split(QChar(10)).first().toStdString(),
            PositionListHeading(ComputationUsed::kOwnAfterFailure));
}

// The second check box searches rise and set as an almanac gives them, and
// is back after a restart.
TEST_F(SearchWindow, HorizonBoxSearchesTheAlmanacRiseAndIsRemembered) {
  struct AxesSearchAfterwards {
    ~AxesSearchAfterwards() { SaveHorizonSearch(false); }
  } restore;
  MainWindow& f = StartHalted();
  f.show();
  Button("sourceButton")->click();
  Child<QCheckBox>(*form, "horizonBox")->click();
  Button("sourceButton")->click();
  SkyState expected = sky();
  ASSERT_EQ(SearchHorizonEvent(expected, EventKind::kRise, kSun).value(), SearchStatus::kFound);
  TypeFactorThenWatch("so");
  Button("riseButton")->click();
  EXPECT_EQ(sky().hours, expected.hours);
  EXPECT_EQ(Label("searchResultLabel")->text(), " SO-Aufgang am Horizont ");
  EXPECT_TRUE(messages.shown().empty());

  form.reset();
  StartHalted();
  EXPECT_TRUE(Child<QCheckBox>(*form, "horizonBox")->isChecked());
  EXPECT_TRUE(clock->search().atHorizon);
}

}  // namespace
}  // namespace sternwerk
