// The clock window's "Progr.&Einführung": the introduction opens with the
// clock halted and every button held back, and closing it gives the buttons
// back with the clock still halted.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <memory>

#include "clock/main_window.h"
#include "platform/recording_messages.h"
#include "tests/clock/fake_system_clock.h"
#include "tests/clock/temporary_directory.h"
#include "windows/introduction_window.h"

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
  TForm11 introduction(messages);
  TForm1 form(sky, MainWindowServices{messages, clock, directory.path(), "TestOS",
                                      QSize(2600, 3600), [] { return true; }, [] {}});
  form.windows.introduction = &introduction;
  form.FormActivate();
  ASSERT_TRUE(form.Timer1->isActive());
  ASSERT_TRUE(form.Button11->isEnabled());

  bool opened = false;
  QTimer::singleShot(0, &introduction, [&] {
    opened = true;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&introduction));
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_EQ(form.Button4->text(), "&Weiter");
    for (QPushButton* b : {form.Button1, form.Button2, form.Button3, form.Button4, form.Button7,
                           form.Button11, form.Button12, form.BitBtn1, form.Button9, form.Button6,
                           form.Button8, form.Button10, form.BitBtn2, form.BitBtn3}) {
      EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    }
    EXPECT_TRUE(introduction.Memo3->hasFocus());
    introduction.Button1->click();
  });
  form.Button11->click();
  EXPECT_TRUE(opened);

  EXPECT_FALSE(introduction.isVisible());
  EXPECT_FALSE(form.Timer1->isActive());
  for (QPushButton* b :
       {form.Button4, form.Button11, form.Button2, form.Button9, form.Button6, form.BitBtn2}) {
    EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
  }
  form.Button4->click();  // "&Weiter" runs the clock again
  EXPECT_TRUE(form.Timer1->isActive());
}

}  // namespace
}  // namespace sternwerk
