// The clock window's date/time/place and interval dialogs typed through as a
// user does: a click on the button, keys into whichever field has the focus,
// and the clock's state afterwards. Message boxes are recorded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "clock/interval_dialog.h"
#include "clock/main_window.h"
#include "engine/calendar.h"
#include "engine/sky.h"
#include "platform/recording_messages.h"
#include "tests/clock/fake_system_clock.h"
#include "tests/clock/temporary_directory.h"
#include "windows/date_time_place_dialog.h"

namespace sternwerk {
namespace {

using testing::FakeSystemClock;
using testing::TemporaryDirectory;
using testing::UtcTime;

class ClockDialogs : public ::testing::Test {
 protected:
  ClockDialogs() {
    form = std::make_unique<TForm1>(
        sky, MainWindowServices{messages, clock, directory.path(), "TestOS", QSize(5000, 7100),
                                [] { return true; }, [] {}});
    form->windows.interval = &interval;
    form->windows.dateTimePlace = &dateTimePlace;
    form->FormActivate();  // the clock runs at one tick per second
    messages.Clear();
  }

  // Clicks the button and, while its dialog is open, acts in it as the user.
  // A dialog that the actions leave open is a failure and is closed.
  void ClickAndUse(QPushButton* button, QDialog& dialog, const std::function<void()>& actions) {
    bool used = false;
    QTimer::singleShot(0, &dialog, [&] {
      used = true;
      ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
      actions();
      if (dialog.isVisible()) {
        ADD_FAILURE() << "the dialog is still open";
        dialog.reject();
      }
    });
    button->click();
    EXPECT_TRUE(used) << "the dialog did not open";
  }

  // Types each key into whichever widget has the focus at that moment.
  static void Type(const QString& keys) {
    for (const QChar key : keys) QTest::keyClicks(QApplication::focusWidget(), key);
  }
  static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  void ExpectHaltedWithBothGroups() {
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->StaticText1->text(), " Diagramm steht ");
    for (QPushButton* b : {form->Button2, form->Button3, form->Button4, form->Button9}) {
      EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
    }
  }

  // While a dialog is open the clock is halted and no button can be used.
  void ExpectInDialog() {
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->StaticText1->text(), " Diagramm steht ");
    for (QPushButton* b : {form->Button1, form->Button2, form->Button3, form->Button4,
                           form->BitBtn1, form->Button9, form->Button6, form->BitBtn2}) {
      EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    }
  }

  TemporaryDirectory directory;
  RecordingMessages messages;
  FakeSystemClock clock{UtcTime(2026, 12, 8, 9, 30, 15)};
  SkyState sky;
  TForm2 interval{sky, messages};
  TForm3 dateTimePlace{sky, messages};
  std::unique_ptr<TForm1> form;
};

TEST(IntervalDialog, WindowButtonsAndExplanation) {
  SkyState sky;
  RecordingMessages messages;
  TForm2 dialog(sky, messages);
  EXPECT_EQ(dialog.windowTitle(), "                Die Schrittweite pro Takt");
  EXPECT_EQ(dialog.size(), QSize(305, 348));
  const QStringList lines = dialog.Memo1->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 20);
  EXPECT_EQ(lines[0], " Beim Start des Programmes läuft dessen Uhr - wie eine");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[15], " da  MC hierbei  'zu große Sprünge'  macht.   Und wenn  ");
  EXPECT_EQ(lines[18], "  ");
  EXPECT_TRUE(dialog.Memo1->isReadOnly());
  const std::pair<QPushButton*, const char*> buttons[] = {{dialog.Button1, "1 Tag"},
                                                          {dialog.Button2, "7 Tage"},
                                                          {dialog.Button3, "30 Tage"},
                                                          {dialog.Button4, "1 Jahr"}};
  int left = 8;
  for (const auto& [button, caption] : buttons) {
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(button->geometry(), QRect(left, 304, 49, 25)) << caption;
    left += 56;
  }
  EXPECT_EQ(dialog.Edit1->geometry(), QRect(240, 304, 57, 24));
  EXPECT_EQ(dialog.Edit1->maxLength(), 6);
  EXPECT_EQ(dialog.Label2->text(), "Minuten");
  EXPECT_EQ(dialog.Label1->text(), "  ESC  ");
}

TEST_F(ClockDialogs, AFullDateTimeAndPlaceIsShownAndDrawnWithTheClockHalted) {
  ClickAndUse(form->Button2, dateTimePlace, [&] {
    ExpectInDialog();
    EXPECT_EQ(QApplication::focusWidget(), dateTimePlace.Edit1);
    Type(
        "24122027"
        "1800"
        "-07345"
        "+4052");
  });
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(form->Label1->text(), "Fr, 24.12.2027");
  EXPECT_EQ(form->Label6->text(), "18:00:00 WZ/GMT");
  EXPECT_EQ(form->Label2->text(), "073°45' W, 40°52' N");
  ExpectHaltedWithBothGroups();
  EXPECT_EQ(form->Label7->text(), "1");

  SkyState expected;  // the dial was recomputed for the entered instant and place
  SetInstant(expected, 24, 12, 2027, 18.0001);
  expected.longitude = -(73.75 + 0.0001);
  expected.latitude = 40 + 52 / 60.0 + 0.0001;
  ComputeSky(expected);
  EXPECT_DOUBLE_EQ(sky.longitudes[2], expected.longitudes[2]);
  EXPECT_DOUBLE_EQ(sky.longitudes[0], expected.longitudes[0]);
}

TEST_F(ClockDialogs, EscapeAtRateZeroStartsTheClockAtOneTick) {
  form->ScrollBar1->setValue(20);
  const std::string dateBefore = sky.dateText;
  ClickAndUse(form->Button2, dateTimePlace, [] { Press(Qt::Key_Escape); });
  EXPECT_EQ(sky.dateText, dateBefore);
  EXPECT_EQ(sky.ticksPerSecond, 1);
  EXPECT_EQ(form->ScrollBar1->value(), 21);
  EXPECT_EQ(form->Label7->text(), "1");
  EXPECT_EQ(form->Label3->text(), "Takte/Sek:1");
  EXPECT_TRUE(form->Timer1->isActive());
  EXPECT_EQ(form->Timer1->interval(), 955);
  EXPECT_TRUE(form->Button9->isEnabled()) << "both groups are enabled, even running";
  EXPECT_TRUE(form->Button2->isEnabled());
}

TEST_F(ClockDialogs, AWrongTimeIsReportedAndEscapeKeepsTheOldTime) {
  const std::string timeBefore = sky.timeText;
  ClickAndUse(form->Button2, dateTimePlace, [&] {
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);  // the date as filled in is committed again
    Type("2360");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
    EXPECT_EQ(messages.shown()[0].text, "Das ist keine gültige Zeit!");
    EXPECT_EQ(QApplication::focusWidget(), dateTimePlace.Edit4);
    QTest::mouseClick(dateTimePlace.Edit1, Qt::LeftButton);
    Press(Qt::Key_Escape);
  });
  EXPECT_EQ(sky.timeText, timeBefore);
  ExpectHaltedWithBothGroups();
}

TEST_F(ClockDialogs, MinutesTypedWithEnterBecomeTheStep) {
  ClickAndUse(form->Button3, interval, [&] {
    ExpectInDialog();
    EXPECT_EQ(interval.Edit1->text(), "0");
    EXPECT_EQ(QApplication::focusWidget(), interval.Edit1);
    Type("15");
    Press(Qt::Key_Return);
  });
  EXPECT_TRUE(sky.stepMinutes);
  EXPECT_FALSE(sky.stepRealTime);
  EXPECT_DOUBLE_EQ(sky.intervalMinutes, 15);
  EXPECT_EQ(form->Label4->text(), "Min/Takt:15");
  ExpectHaltedWithBothGroups();
}

TEST_F(ClockDialogs, SixCharactersApplyAtOnceAndLeavingTheFieldApplies) {
  ClickAndUse(form->Button3, interval, [] { Type("100000"); });
  EXPECT_DOUBLE_EQ(sky.intervalMinutes, 100000);
  EXPECT_EQ(form->Label4->text(), "Min/Takt:100000");

  ClickAndUse(form->Button3, interval, [&] {
    Type("1.5");
    QTest::mouseClick(interval.Memo1, Qt::LeftButton);
  });
  EXPECT_DOUBLE_EQ(sky.intervalMinutes, 1.5);
  EXPECT_EQ(form->Label4->text(), "Min/Takt:1");
}

// Enter on a text that is no positive number of minutes says what is
// accepted and leaves the text selected, so the next keys replace it.
TEST_F(ClockDialogs, RefusedMinutesAreExplainedAndSelectedForRetyping) {
  ClickAndUse(form->Button3, interval, [&] {
    for (const QString text : {"abc", "0", "1,5"}) {
      Type(text);
      Press(Qt::Key_Return);
      EXPECT_TRUE(interval.isVisible()) << text.toStdString();
      EXPECT_EQ(QApplication::focusWidget(), interval.Edit1);
      EXPECT_EQ(interval.Edit1->selectedText(), text);
    }
    Type("2");
    Press(Qt::Key_Return);
  });
  ASSERT_EQ(messages.shown().size(), 3u);
  for (const auto& message : messages.shown()) {
    EXPECT_EQ(message.kind, MessageKind::kError);
    EXPECT_TRUE(message.text.contains("größer als 0")) << message.text.toStdString();
    EXPECT_TRUE(message.text.contains("Punkt")) << message.text.toStdString();
  }
  EXPECT_DOUBLE_EQ(sky.intervalMinutes, 2);
}

TEST_F(ClockDialogs, ATickIn1500MinuteStepsMovesOneDayAndOneHour) {
  ClickAndUse(form->Button3, interval, [] {
    Type("1500");
    Press(Qt::Key_Enter);
  });
  const std::string before = sky.dateText;
  const double hoursBefore = sky.hours;
  form->Timer1Timer();
  SkyState nextDay;
  nextDay.dateText = before;
  NextDay(nextDay);
  EXPECT_EQ(sky.dateText, nextDay.dateText);
  EXPECT_NEAR(sky.hours, hoursBefore + 1, 1e-9);
}

TEST_F(ClockDialogs, StepButtonsKeepTheMinutes) {
  struct Case {
    QPushButton* TForm2::*button;
    const char* label;
    bool SkyState::*flag;
  };
  const Case cases[] = {{&TForm2::Button1, "1 Tag", &SkyState::stepDay},
                        {&TForm2::Button2, "1 Woche", &SkyState::stepWeek},
                        {&TForm2::Button3, "1 Monat", &SkyState::stepMonth},
                        {&TForm2::Button4, "1 Jahr", &SkyState::stepYear}};
  sky.intervalMinutes = 42;
  for (const Case& c : cases) {
    ClickAndUse(form->Button3, interval,
                [&] { QTest::mouseClick(interval.*c.button, Qt::LeftButton); });
    EXPECT_TRUE(sky.*c.flag) << c.label;
    EXPECT_FALSE(sky.stepMinutes || sky.stepRealTime) << c.label;
    EXPECT_EQ(form->Label4->text(), c.label);
    EXPECT_DOUBLE_EQ(sky.intervalMinutes, 42) << c.label;
  }
}

TEST_F(ClockDialogs, NoPositiveNumberKeepsTheDialogOpenAndEscapeChangesNothing) {
  ClickAndUse(form->Button3, interval, [&] {
    Type("-5");
    Press(Qt::Key_Return);
    EXPECT_TRUE(interval.isVisible());
    QTest::keyClick(interval.Edit1, Qt::Key_A, Qt::ControlModifier);
    Type("12abc");
    Press(Qt::Key_Return);
    EXPECT_TRUE(interval.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), interval.Edit1);
    QTest::keyClick(interval.Edit1, Qt::Key_A, Qt::ControlModifier);
    Type("30");
    Press(Qt::Key_Escape);
  });
  EXPECT_TRUE(sky.stepRealTime);
  EXPECT_DOUBLE_EQ(sky.intervalMinutes, 1.0 / 60.0);
  EXPECT_EQ(form->Label4->text(), "Sek/Takt:1");
}

}  // namespace
}  // namespace sternwerk
