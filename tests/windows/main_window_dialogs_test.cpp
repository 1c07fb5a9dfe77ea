// The clock window's date/time/place and interval dialogs typed through as a
// user does: a click on the button, keys into whichever field has the focus,
// and the clock's state afterwards. Message boxes are recorded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "clock/clock.h"
#include "engine/calendar.h"
#include "engine/sky.h"
#include "tests/windows/main_window_fixture.h"
#include "windows/date_time_place_dialog.h"
#include "windows/interval_dialog.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

using testing::FireTimer;

class ClockDialogs : public testing::MainWindowFixture {
 protected:
  ClockDialogs() {
    StartWindow([this](Clock& started) {
      interval = Own<IntervalDialog>(started.settings(), messages);
      dateTimePlace = Own<DateTimePlaceDialog>(enteredSky, messages);
      return SecondaryWindows{.interval = interval, .dateTimePlace = dateTimePlace};
    });  // the clock runs at one tick per second
    messages.Clear();
  }

  // Clicks the button and, while its dialog is open, acts in it as the user.
  // A dialog that the actions leave open is a failure and is closed.
  void ClickAndUse(QPushButton* button, QDialog* dialog, const std::function<void()>& actions) {
    bool used = false;
    QTimer::singleShot(0, dialog, [&] {
      used = true;
      ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
      actions();
      if (dialog->isVisible()) {
        ADD_FAILURE() << "the dialog is still open";
        dialog->reject();
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
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_EQ(Label("statusLabel")->text(), " Diagramm steht ");
    for (const char* name :
         {"dateTimePlaceButton", "intervalButton", "haltButton", "enlargeButton"}) {
      EXPECT_TRUE(Button(name)->isEnabled()) << name;
    }
  }

  // While a dialog is open the clock is halted and no button can be used.
  void ExpectInDialog() {
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_EQ(Label("statusLabel")->text(), " Diagramm steht ");
    for (const char* name : {"endButton", "dateTimePlaceButton", "intervalButton", "haltButton",
                             "realTimeButton", "enlargeButton", "riseButton", "fullMoonButton"}) {
      EXPECT_FALSE(Button(name)->isEnabled()) << name;
    }
  }

  IntervalDialog* interval = nullptr;
  DateTimePlaceDialog* dateTimePlace = nullptr;
};

TEST(IntervalDialog, WindowButtonsAndExplanation) {
  ClockSettings settings;
  RecordingMessages messages;
  IntervalDialog dialog(settings, messages);
  EXPECT_EQ(dialog.windowTitle(), "                Die Schrittweite pro Takt");
  EXPECT_EQ(dialog.size(), QSize(305, 348));
  const QStringList lines = dialog.explanation->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 21);
  EXPECT_EQ(lines[0], " Beim Start des Programmes läuft dessen Uhr - wie eine");
  EXPECT_EQ(lines[5], "");
  // A day is 24 * 60 minutes, a week seven days.
  EXPECT_EQ(lines[8], " Ein Tag Fortschritt pro Takt erfordert 1440 Minuten, eine ");
  EXPECT_EQ(lines[9], " Woche 10080 Minuten als Eingabe.");
  EXPECT_EQ(lines[10], " Dezimalstellen sind mit Punkt oder Komma möglich: 1,5.");
  EXPECT_EQ(lines[16], " da  MC hierbei  'zu große Sprünge'  macht.   Und wenn  ");
  EXPECT_EQ(lines[19], "  ");
  EXPECT_TRUE(dialog.explanation->isReadOnly());
  const std::pair<QPushButton*, const char*> buttons[] = {{dialog.dayButton, "1 Tag"},
                                                          {dialog.weekButton, "7 Tage"},
                                                          {dialog.monthButton, "30 Tage"},
                                                          {dialog.yearButton, "1 Jahr"}};
  int left = 8;
  for (const auto& [button, caption] : buttons) {
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(button->geometry(), QRect(left, 304, 49, 25)) << caption;
    left += 56;
  }
  EXPECT_EQ(dialog.minutesEdit->geometry(), QRect(240, 304, 57, 24));
  EXPECT_EQ(dialog.minutesEdit->maxLength(), 6);
  EXPECT_EQ(dialog.minutesLabel->text(), "Minuten");
  EXPECT_EQ(dialog.escLabel->text(), "  ESC  ");
}

TEST_F(ClockDialogs, AFullDateTimeAndPlaceIsShownAndDrawnWithTheClockHalted) {
  ClickAndUse(Button("dateTimePlaceButton"), dateTimePlace, [&] {
    ExpectInDialog();
    EXPECT_EQ(QApplication::focusWidget(), dateTimePlace->dayEdit);
    Type(
        "24122027"
        "1800"
        "-07345"
        "+4052");
  });
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(Label("dateLabel")->text(), "Fr, 24.12.2027");
  EXPECT_EQ(Label("timeLabel")->text(), "18:00:00 WZ/GMT");
  EXPECT_EQ(Label("placeLabel")->text(), "073°45' W, 40°52' N");
  ExpectHaltedWithBothGroups();
  EXPECT_EQ(Label("rateLabel")->text(), "1");

  SkyState expected;  // the dial was recomputed for the entered instant and place
  SetInstant(expected, 24, 12, 2027, 18.0001);
  expected.longitude = -(73.75 + 0.0001);
  expected.latitude = 40 + 52 / 60.0 + 0.0001;
  ComputeSky(expected);
  EXPECT_DOUBLE_EQ(sky().longitudes[2], expected.longitudes[2]);
  EXPECT_DOUBLE_EQ(sky().longitudes[0], expected.longitudes[0]);
}

TEST_F(ClockDialogs, EscapeAtRateZeroStartsTheClockAtOneTick) {
  Get<QScrollBar>("rateSlider")->setValue(20);
  const std::string dateBefore = sky().dateText;
  ClickAndUse(Button("dateTimePlaceButton"), dateTimePlace, [] { Press(Qt::Key_Escape); });
  EXPECT_EQ(sky().dateText, dateBefore);
  EXPECT_EQ(clock->settings().ticksPerSecond, 1);
  EXPECT_EQ(Get<QScrollBar>("rateSlider")->value(), 21);
  EXPECT_EQ(Label("rateLabel")->text(), "1");
  EXPECT_EQ(Label("speedLabel")->text(), "Takte/Sek:1");
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 955);
  EXPECT_TRUE(Button("enlargeButton")->isEnabled()) << "both groups are enabled, even running";
  EXPECT_TRUE(Button("dateTimePlaceButton")->isEnabled());
}

TEST_F(ClockDialogs, AWrongTimeIsReportedAndEscapeKeepsTheOldTime) {
  const std::string timeBefore = sky().timeText;
  ClickAndUse(Button("dateTimePlaceButton"), dateTimePlace, [&] {
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);  // the date as filled in is committed again
    Type("2360");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
    EXPECT_EQ(messages.shown()[0].text, "Das ist keine gültige Zeit!");
    EXPECT_EQ(QApplication::focusWidget(), dateTimePlace->hourEdit);
    QTest::mouseClick(dateTimePlace->dayEdit, Qt::LeftButton);
    Press(Qt::Key_Escape);
  });
  EXPECT_EQ(sky().timeText, timeBefore);
  ExpectHaltedWithBothGroups();
}

TEST_F(ClockDialogs, MinutesTypedWithEnterBecomeTheStep) {
  ClickAndUse(Button("intervalButton"), interval, [&] {
    ExpectInDialog();
    EXPECT_EQ(interval->minutesEdit->text(), "");
    EXPECT_EQ(interval->stepLabel->text(), "Jetzt: 1 Sekunde pro Takt");
    EXPECT_EQ(QApplication::focusWidget(), interval->minutesEdit);
    Type("15");
    Press(Qt::Key_Return);
  });
  EXPECT_EQ(clock->settings().stepMode, StepMode::kMinutes);
  EXPECT_DOUBLE_EQ(clock->settings().intervalMinutes, 15);
  EXPECT_EQ(Label("intervalLabel")->text(), "Min/Takt:15");
  ExpectHaltedWithBothGroups();
}

TEST_F(ClockDialogs, SixCharactersApplyAtOnceAndLeavingTheFieldApplies) {
  ClickAndUse(Button("intervalButton"), interval, [] { Type("100000"); });
  EXPECT_DOUBLE_EQ(clock->settings().intervalMinutes, 100000);
  EXPECT_EQ(Label("intervalLabel")->text(), "Min/Takt:100000");

  ClickAndUse(Button("intervalButton"), interval, [&] {
    Type("1.5");
    QTest::mouseClick(interval->explanation, Qt::LeftButton);
  });
  EXPECT_DOUBLE_EQ(clock->settings().intervalMinutes, 1.5);
  EXPECT_EQ(Label("intervalLabel")->text(), "Min/Takt:1");

  ClickAndUse(Button("intervalButton"), interval, [&] {
    EXPECT_EQ(interval->stepLabel->text(), "Jetzt: 1,5 Minuten pro Takt");
    Type("2,25");
    Press(Qt::Key_Return);
  });
  EXPECT_DOUBLE_EQ(clock->settings().intervalMinutes, 2.25);
}

// Enter on a text that is no positive number of minutes says what is
// accepted and leaves the text selected, so the next keys replace it.
TEST_F(ClockDialogs, RefusedMinutesAreExplainedAndSelectedForRetyping) {
  ClickAndUse(Button("intervalButton"), interval, [&] {
    for (const QString text : {"abc", "0", "1,5,5"}) {
      Type(text);
      Press(Qt::Key_Return);
      EXPECT_TRUE(interval->isVisible()) << text.toStdString();
      EXPECT_EQ(QApplication::focusWidget(), interval->minutesEdit);
      EXPECT_EQ(interval->minutesEdit->selectedText(), text);
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
  EXPECT_DOUBLE_EQ(clock->settings().intervalMinutes, 2);
}

TEST_F(ClockDialogs, ATickIn1500MinuteStepsMovesOneDayAndOneHour) {
  ClickAndUse(Button("intervalButton"), interval, [] {
    Type("1500");
    Press(Qt::Key_Enter);
  });
  const std::string before = sky().dateText;
  const double hoursBefore = sky().hours;
  Button("haltButton")->click();  // "&Weiter"
  FireTimer(Timer());
  SkyState nextDay;
  nextDay.dateText = before;
  NextDay(nextDay);
  EXPECT_EQ(sky().dateText, nextDay.dateText);
  EXPECT_NEAR(sky().hours, hoursBefore + 1, 1e-9);
}

TEST_F(ClockDialogs, StepButtonsKeepTheMinutes) {
  struct Case {
    QPushButton* IntervalDialog::*button;
    const char* label;
    StepMode mode;
  };
  const Case cases[] = {{&IntervalDialog::dayButton, "1 Tag", StepMode::kDay},
                        {&IntervalDialog::weekButton, "1 Woche", StepMode::kWeek},
                        {&IntervalDialog::monthButton, "1 Monat", StepMode::kMonth},
                        {&IntervalDialog::yearButton, "1 Jahr", StepMode::kYear}};
  ClickAndUse(Button("intervalButton"), interval, [] {
    Type("42");
    Press(Qt::Key_Return);
  });
  for (const Case& c : cases) {
    ClickAndUse(Button("intervalButton"), interval,
                [&] { QTest::mouseClick(interval->*c.button, Qt::LeftButton); });
    EXPECT_EQ(clock->settings().stepMode, c.mode) << c.label;
    EXPECT_EQ(Label("intervalLabel")->text(), c.label);
    EXPECT_DOUBLE_EQ(clock->settings().intervalMinutes, 42) << c.label;
  }
}

TEST_F(ClockDialogs, NoPositiveNumberKeepsTheDialogOpenAndEscapeChangesNothing) {
  ClickAndUse(Button("intervalButton"), interval, [&] {
    Type("-5");
    Press(Qt::Key_Return);
    EXPECT_TRUE(interval->isVisible());
    QTest::keyClick(interval->minutesEdit, Qt::Key_A, Qt::ControlModifier);
    Type("12abc");
    Press(Qt::Key_Return);
    EXPECT_TRUE(interval->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), interval->minutesEdit);
    QTest::keyClick(interval->minutesEdit, Qt::Key_A, Qt::ControlModifier);
    Type("30");
    Press(Qt::Key_Escape);
  });
  EXPECT_EQ(clock->settings().stepMode, StepMode::kRealTime);
  EXPECT_DOUBLE_EQ(clock->settings().intervalMinutes, 1.0 / 60.0);
  EXPECT_EQ(Label("intervalLabel")->text(), "Sek/Takt:1");
}

}  // namespace
}  // namespace sternwerk
