// The clock window's "Progr.&Einführung": the introduction opens with the
// clock halted and every button held back, and closing it gives the buttons
// back with the clock still halted.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/recording_messages.h"
#include "tests/support/fake_system_clock.h"
#include "tests/support/temporary_directory.h"
#include "windows/introduction_window.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

using testing::FakeSystemClock;
using testing::TemporaryDirectory;
using testing::UtcTime;

TEST(ClockIntroduction, HaltsTheClockHoldsBackTheButtonsAndGivesThemBack) {
  TemporaryDirectory directory;
  RecordingMessages messages;
  FakeSystemClock clock{UtcTime(2026, 12, 7, 14, 5, 9)};
  SkyState sky;
  IntroductionWindow introduction(messages);
  MainWindow form(sky, MainWindowServices{messages, clock, directory.path(), "TestOS",
                                          QSize(2600, 3600), [] { return true; }, [] {}});
  form.windows.introduction = &introduction;
  form.StartUp();
  ASSERT_TRUE(form.tickTimer->isActive());
  ASSERT_TRUE(form.introductionButton->isEnabled());

  bool opened = false;
  QTimer::singleShot(0, &introduction, [&] {
    opened = true;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&introduction));
    EXPECT_FALSE(form.tickTimer->isActive());
    EXPECT_EQ(form.haltButton->text(), "&Weiter");
    for (QPushButton* b :
         {form.endButton, form.dateTimePlaceButton, form.intervalButton, form.haltButton,
          form.sourceButton, form.introductionButton, form.legendButton, form.realTimeButton,
          form.enlargeButton, form.riseButton, form.setButton, form.culminationButton,
          form.fullMoonButton, form.newMoonButton}) {
      EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    }
    EXPECT_TRUE(introduction.introductionText->hasFocus());
    introduction.backButton->click();
  });
  form.introductionButton->click();
  EXPECT_TRUE(opened);

  EXPECT_FALSE(introduction.isVisible());
  EXPECT_FALSE(form.tickTimer->isActive());
  for (QPushButton* b : {form.haltButton, form.introductionButton, form.dateTimePlaceButton,
                         form.enlargeButton, form.riseButton, form.fullMoonButton}) {
    EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
  }
  form.haltButton->click();  // "&Weiter" runs the clock again
  EXPECT_TRUE(form.tickTimer->isActive());
}

}  // namespace
}  // namespace sternwerk
