// The clock window's "Progr.&Einführung": the introduction opens with the
// clock halted and every button held back, and closing it gives the buttons
// back with the clock still halted.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "clock/clock.h"
#include "tests/support/fake_system_clock.h"
#include "tests/support/fixture_atlas.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temporary_directory.h"
#include "tests/support/widget_lookup.h"
#include "windows/introduction_window.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

using testing::Child;
using testing::FakeSystemClock;
using testing::TemporaryDirectory;
using testing::UtcTime;

TEST(ClockIntroduction, HaltsTheClockHoldsBackTheButtonsAndGivesThemBack) {
  TemporaryDirectory directory;
  RecordingMessages messages;
  FakeSystemClock systemClock{UtcTime(2026, 12, 7, 14, 5, 9)};
  Clock clock(systemClock, directory.path());
  const PlaceAtlas atlas = FixtureAtlas();
  IntroductionWindow introduction(messages);
  MainWindow form(
      clock,
      MainWindowServices{messages, "TestOS", QSize(2600, 3600), [] { return true; }, [] {}, atlas},
      SecondaryWindows{.introduction = &introduction});
  const auto button = [&form](const char* name) { return Child<QPushButton>(form, name); };
  QTimer* tickTimer = Child<QTimer>(form, "tickTimer");
  form.StartUp();
  ASSERT_TRUE(tickTimer->isActive());
  ASSERT_TRUE(button("introductionButton")->isEnabled());

  bool opened = false;
  QTimer::singleShot(0, &introduction, [&] {
    opened = true;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&introduction));
    EXPECT_FALSE(tickTimer->isActive());
    EXPECT_EQ(button("haltButton")->text(), "&Weiter");
    for (const char* name :
         {"endButton", "dateTimePlaceButton", "intervalButton", "haltButton", "sourceButton",
          "introductionButton", "legendButton", "realTimeButton", "enlargeButton", "riseButton",
          "setButton", "culminationButton", "fullMoonButton", "newMoonButton"}) {
      EXPECT_FALSE(button(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(introduction.introductionText->hasFocus());
    introduction.backButton->click();
  });
  button("introductionButton")->click();
  EXPECT_TRUE(opened);

  EXPECT_FALSE(introduction.isVisible());
  EXPECT_FALSE(tickTimer->isActive());
  for (const char* name : {"haltButton", "introductionButton", "dateTimePlaceButton",
                           "enlargeButton", "riseButton", "fullMoonButton"}) {
    EXPECT_TRUE(button(name)->isEnabled()) << name;
  }
  button("haltButton")->click();  // "&Weiter" runs the clock again
  EXPECT_TRUE(tickTimer->isActive());
}

}  // namespace
}  // namespace sternwerk
