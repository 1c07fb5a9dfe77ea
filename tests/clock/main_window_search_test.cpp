// The searches of the clock window as the user runs them: the factor
// dialog, the progress shown while scanning, the result on the dial, the
// cancel and the bound. Only the message boxes and the system clock are
// replaced.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "clock/main_window.h"
#include "dial/factor_choice_dialog.h"
#include "engine/event_search.h"
#include "engine/text_forms.h"
#include "platform/recording_messages.h"
#include "tests/clock/fake_system_clock.h"
#include "tests/clock/temporary_directory.h"

namespace sternwerk {
namespace {

using testing::FakeSystemClock;
using testing::TemporaryDirectory;
using testing::UtcTime;

// What the window shows while the scan runs, read at its first repaint.
struct DuringSearch {
  QString banner;
  bool bannerVisible = false;
  bool progressVisible = false;
  bool cancelVisible = false;
};

class SearchWindow : public ::testing::Test {
 protected:
  // The clock started on 08.12.2026 09:30:15 at 10 E, 50 N, then halted.
  TForm1& StartHalted() {
    form = std::make_unique<TForm1>(
        sky, MainWindowServices{messages, clock, directory.path(), "TestOS", QSize(5000, 7100),
                                [] { return true; }, [] {}});
    dialog = std::make_unique<TForm6>(sky, messages);
    form->windows.factorChoice = dialog.get();
    form->FormActivate();
    form->Button4->click();
    messages.Clear();
    return *form;
  }

  // Runs `action` at the first chance the event loop gets: in the factor
  // dialog, or at the search's first repaint.
  static void Soon(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

  // Types into the factor dialog, then records the window at the search's
  // first repaint.
  void TypeFactorThenWatch(const QString& code) {
    Soon([this, code] {
      QTest::keyClicks(dialog->Edit1, code);
      Soon([this] { Watch(); });
    });
  }

  void Watch() {
    during.banner = form->Label5->text();
    during.bannerVisible = form->Label5->isVisible();
    during.progressVisible = form->ProgressBar1->isVisible();
    during.cancelVisible = form->SearchCancelButton->isVisible();
  }

  // The instant the engine's scan finds from the current sky.
  SkyState Expected(EventKind kind, int factor) {
    SkyState copy = sky;
    EXPECT_EQ(SearchEvent(copy, kind, factor), SearchStatus::kFound);
    return copy;
  }

  void ExpectUnchanged(const SkyState& before) {
    EXPECT_EQ(sky.dateText, before.dateText);
    EXPECT_EQ(sky.hours, before.hours);
    EXPECT_EQ(sky.longitudes, before.longitudes);
    EXPECT_FALSE(form->Label5->isVisible());
    EXPECT_FALSE(form->ProgressBar1->isVisible());
    EXPECT_FALSE(form->SearchCancelButton->isVisible());
  }

  TemporaryDirectory directory;
  RecordingMessages messages;
  FakeSystemClock clock{UtcTime(2026, 12, 8, 9, 30, 15)};
  SkyState sky;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TForm6> dialog;
  DuringSearch during;
};

TEST_F(SearchWindow, CancelledFactorDialogChangesNothing) {
  TForm1& f = StartHalted();
  f.show();
  const SkyState before = sky;
  const QString time = f.Label6->text();
  Soon([this] { QTest::keyClick(dialog->Edit1, Qt::Key_Escape); });
  f.Button6->click();
  ExpectUnchanged(before);
  EXPECT_EQ(f.Label6->text(), time);
  EXPECT_FALSE(f.Label8->isVisible());
  EXPECT_TRUE(f.searchResultText.empty());
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SearchWindow, FoundRiseLeavesTheClockHaltedWithTheResultOnTheDial) {
  TForm1& f = StartHalted();
  f.show();
  const SkyState expected = Expected(EventKind::kRise, kSun);
  TypeFactorThenWatch("so");
  f.Button6->click();

  EXPECT_EQ(dialog->windowTitle(), "            Aufgangs-Faktor");
  EXPECT_EQ(during.banner, "     Heutiger SO-Aufgang wird gesucht          ");
  EXPECT_TRUE(during.bannerVisible);
  EXPECT_TRUE(during.progressVisible);
  EXPECT_TRUE(during.cancelVisible);

  EXPECT_EQ(sky.dateText, "08.12.2026");
  EXPECT_EQ(sky.hours, expected.hours);
  EXPECT_LT(sky.hours, 9.5) << "the Sun rose before the clock was halted";
  EXPECT_EQ(f.Label1->text(), "Di, 08.12.2026");
  EXPECT_EQ(f.Label6->text(), QString::fromStdString(FormatHours(expected.hours)) + " WZ/GMT");
  EXPECT_EQ(f.searchResultText, " SO-Aufgang ");
  EXPECT_EQ(f.Label8->text(), " SO-Aufgang ");
  EXPECT_TRUE(f.Label8->isVisible());
  EXPECT_FALSE(f.Label5->isVisible());
  EXPECT_FALSE(f.ProgressBar1->isVisible());
  EXPECT_FALSE(f.Timer1->isActive());
  EXPECT_EQ(f.StaticText1->text(), " Diagramm steht ");
  EXPECT_TRUE(f.Button6->isEnabled()) << "the halted-state group stays enabled";
}

TEST_F(SearchWindow, SetAndCulminationTitlesBannersAndResults) {
  TForm1& f = StartHalted();
  f.show();
  sky.transplutonian = true;
  TypeFactorThenWatch("po");
  f.Button8->click();
  EXPECT_EQ(dialog->windowTitle(), "           Untergangs-Faktor");
  EXPECT_EQ(during.banner, "   Heutiger PO-Untergang wird gesucht      ");
  EXPECT_EQ(f.Label8->text(), " PO-Untergang ");

  TypeFactorThenWatch("mo");
  f.Button10->click();
  EXPECT_EQ(dialog->windowTitle(), "           Kulminations-Faktor");
  EXPECT_EQ(during.banner, "   Heutige MO-Kulmination wird gesucht      ");
  EXPECT_EQ(f.Label8->text(), " MO-Kulmination ");
  EXPECT_LT(std::fabs(sky.longitudes[kMC] - sky.longitudes[kMoon]), kAxisTolerance);
}

TEST_F(SearchWindow, FullMoonTwiceReportsTheSameLunation) {
  TForm1& f = StartHalted();
  f.show();
  const SkyState expected = Expected(EventKind::kFullMoon, kMoon);
  Soon([this] { Watch(); });
  f.BitBtn2->click();
  EXPECT_EQ(during.banner, "      Nächster Vollmond wird gesucht           ");
  EXPECT_EQ(sky.dateText, expected.dateText);
  EXPECT_EQ(sky.hours, expected.hours);
  EXPECT_EQ(f.Label8->text(), " Vollmond ");
  const QString date = f.Label1->text();
  const QString time = f.Label6->text();
  f.BitBtn2->click();
  EXPECT_EQ(f.Label1->text(), date);
  EXPECT_EQ(f.Label6->text(), time);

  Soon([this] { Watch(); });
  f.BitBtn3->click();
  EXPECT_EQ(during.banner, "      Nächster Neumond wird gesucht          ");
  EXPECT_EQ(f.Label8->text(), " Neumond ");
}

TEST_F(SearchWindow, CancelButtonAndEscapeReturnToTheInstantBefore) {
  TForm1& f = StartHalted();
  f.show();
  const SkyState before = sky;
  Soon([&f] { QTest::mouseClick(f.SearchCancelButton, Qt::LeftButton); });
  f.BitBtn3->click();
  ExpectUnchanged(before);
  EXPECT_FALSE(f.Label8->isVisible());

  Soon([&f] { QTest::keyClick(&f, Qt::Key_Escape); });
  f.BitBtn2->click();
  ExpectUnchanged(before);
  EXPECT_TRUE(messages.shown().empty()) << "a cancel is not reported";
}

TEST_F(SearchWindow, NoOtherControlReactsDuringTheSearch) {
  TForm1& f = StartHalted();
  f.show();
  const SkyState before = sky;
  Soon([&f] {
    QTest::mouseClick(f.Button4, Qt::LeftButton);  // would continue the clock
    QTest::mouseClick(f.Button7, Qt::LeftButton);  // would show the source panel
    QTest::keyClick(&f, Qt::Key_Q, Qt::AltModifier);
    f.close();
    QTest::mouseClick(f.SearchCancelButton, Qt::LeftButton);
  });
  f.BitBtn2->click();
  ExpectUnchanged(before);
  EXPECT_FALSE(f.Timer1->isActive());
  EXPECT_EQ(f.Button4->text(), "&Weiter");
  EXPECT_TRUE(f.Panel2->isHidden());
  EXPECT_TRUE(f.isVisible());
}

// At 80 degrees north the December Sun stays below the horizon.
TEST_F(SearchWindow, NothingFoundWithinTheBoundIsReportedAndChangesNothing) {
  TForm1& f = StartHalted();
  f.show();
  sky.latitude = 80;
  f.Diagramm();
  const SkyState before = sky;
  Soon([this] { QTest::keyClicks(dialog->Edit1, "SO"); });
  f.Button6->click();
  ExpectUnchanged(before);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kInformation);
  EXPECT_TRUE(
      messages.shown()[0].text.startsWith("SO-Aufgang in den nächsten 31 Tagen nicht gefunden."));
  EXPECT_FALSE(f.Label8->isVisible());
}

}  // namespace
}  // namespace sternwerk
