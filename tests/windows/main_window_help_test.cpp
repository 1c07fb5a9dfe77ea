// The clock window's "Progr.&Einführung": the introduction opens with the
// clock halted and every button held back, and closing it gives the buttons
// back with the clock still halted.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/windows/main_window_fixture.h"
#include "windows/introduction_window.h"

namespace sternwerk {
namespace {

class ClockIntroduction : public testing::MainWindowFixture {
 protected:
  ClockIntroduction() : MainWindowFixture(testing::UtcTime(2026, 12, 7, 14, 5, 9)) {
    printPage = QSize(2600, 3600);
  }
};

TEST_F(ClockIntroduction, HaltsTheClockHoldsBackTheButtonsAndGivesThemBack) {
  IntroductionWindow* introduction = nullptr;
  StartWindow([&](Clock&) {
    introduction = Own<IntroductionWindow>(messages);
    return SecondaryWindows{.introduction = introduction};
  });
  QTimer* tickTimer = Timer();
  ASSERT_TRUE(tickTimer->isActive());
  ASSERT_TRUE(Button("introductionButton")->isEnabled());

  bool opened = false;
  QTimer::singleShot(0, introduction, [&] {
    opened = true;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(introduction));
    EXPECT_FALSE(tickTimer->isActive());
    EXPECT_EQ(Button("haltButton")->text(), "&Weiter");
    for (const char* name :
         {"endButton", "dateTimePlaceButton", "intervalButton", "haltButton", "sourceButton",
          "introductionButton", "legendButton", "realTimeButton", "enlargeButton", "riseButton",
          "setButton", "culminationButton", "fullMoonButton", "newMoonButton"}) {
      EXPECT_FALSE(Button(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(introduction->introductionText->hasFocus());
    introduction->backButton->click();
  });
  Button("introductionButton")->click();
  EXPECT_TRUE(opened);

  EXPECT_FALSE(introduction->isVisible());
  EXPECT_FALSE(tickTimer->isActive());
  for (const char* name : {"haltButton", "introductionButton", "dateTimePlaceButton",
                           "enlargeButton", "riseButton", "fullMoonButton"}) {
    EXPECT_TRUE(Button(name)->isEnabled()) << name;
  }
  Button("haltButton")->click();  // "&Weiter" runs the clock again
  EXPECT_TRUE(tickTimer->isActive());
}

}  // namespace
}  // namespace sternwerk
