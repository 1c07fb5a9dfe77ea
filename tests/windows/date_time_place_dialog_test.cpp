// The date/time/place dialog driven with keys and clicks as a user
// drives it; only the message boxes are recorded instead of shown.
#include "windows/date_time_place_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <array>

#include "tests/support/recording_messages.h"

namespace sternwerk {
namespace {

// The next widget in the focus chain that the tab key stops at.
const QWidget* NextTabStop(const QWidget* widget) {
  const QWidget* next = widget->nextInFocusChain();
  while (next != widget && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next;
}

class DateTimePlaceWindow : public ::testing::Test {
 protected:
  DateTimePlaceWindow() {
    sky.dateText = "07.12.2026";
    sky.timeText = "09.30.15";
    sky.hours = 9.5;
  }

  void Open() {
    dialog.show();
    dialog.activateWindow();  // no window manager does it under a bare X server
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }

  // Types each key into whichever widget has the focus at that moment.
  void Type(const QString& keys) {
    for (const QChar key : keys) {
      ASSERT_NE(QApplication::focusWidget(), nullptr);
      QTest::keyClicks(QApplication::focusWidget(), key);
    }
  }

  void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  // The eleven fields in tab order.
  std::array<QLineEdit*, kDateFieldCount> Fields() const {
    return {dialog.dayEdit,
            dialog.monthEdit,
            dialog.yearEdit,
            dialog.hourEdit,
            dialog.minuteEdit,
            dialog.longitudeSignEdit,
            dialog.longitudeDegreesEdit,
            dialog.longitudeMinutesEdit,
            dialog.latitudeSignEdit,
            dialog.latitudeDegreesEdit,
            dialog.latitudeMinutesEdit};
  }

  QStringList Errors() const {
    QStringList errors;
    for (const auto& message : messages.shown()) {
      EXPECT_EQ(message.kind, MessageKind::kError);
      errors << message.text;
    }
    return errors;
  }

  SkyState sky;
  RecordingMessages messages;
  DateTimePlaceDialog dialog{sky, messages};
};

TEST_F(DateTimePlaceWindow, WindowFieldsAndHelpText) {
  EXPECT_EQ(dialog.windowTitle(), "                    Datum / Zeit / Ort ");
  EXPECT_EQ(dialog.size(), QSize(282, 538)) << "the fields' part, then local time and place";
  EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 255, 0));

  const QStringList help = dialog.helpText->toPlainText().split('\n');
  ASSERT_EQ(help.size(), 43);
  EXPECT_EQ(help.mid(0, 27).count(QString()), 4) << "five paragraphs on the clock's values";
  EXPECT_EQ(help.count(QString()), 6) << "then the search and the local time";
  for (const QString& line : help) {
    if (line.isEmpty()) continue;
    EXPECT_TRUE(line.startsWith(' ') && !line.startsWith("  ")) << line.toStdString();
  }
  EXPECT_TRUE(dialog.helpText->isReadOnly());
  EXPECT_EQ(dialog.helpText->geometry(), QRect(4, 3, 275, 346));

  const std::array<QLineEdit*, kDateFieldCount> fields = Fields();
  const QRect places[] = {{56, 355, 25, 24},  {80, 355, 25, 24},  {104, 355, 41, 24},
                          {168, 355, 25, 24}, {192, 355, 25, 24}, {56, 404, 17, 24},
                          {72, 404, 35, 24},  {106, 404, 25, 24}, {168, 404, 17, 24},
                          {184, 404, 25, 24}, {208, 404, 25, 24}};
  const int lengths[] = {2, 2, 4, 2, 2, 1, 3, 2, 1, 2, 2};
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(fields[i]->geometry(), places[i]) << "field " << i + 1;
    EXPECT_EQ(fields[i]->maxLength(), lengths[i]) << "field " << i + 1;
    const QWidget* next = i < 10 ? static_cast<const QWidget*>(fields[i + 1]) : dialog.helpText;
    EXPECT_EQ(NextTabStop(fields[i]), next) << "tab order after field " << i + 1;
  }
  EXPECT_EQ(dialog.dateLabel->text(), "Datum");
  EXPECT_EQ(dialog.timeLabel->text(), "WZ/GMT");
  EXPECT_EQ(dialog.escLabel->text(), "  ESC  ");
  EXPECT_EQ(dialog.longitudeLabel->text(), "Länge");
  EXPECT_EQ(dialog.latitudeLabel->text(), "Breite");
  EXPECT_EQ(dialog.latitudeLabel->pos(), QPoint(168, 428));
}

TEST_F(DateTimePlaceWindow, OpeningFillsTheFieldsWithTheDaySelected) {
  sky.longitudeText =
      "-120\xB0"
      "05'";
  Open();
  EXPECT_EQ(dialog.dayEdit->text(), "07");
  EXPECT_EQ(dialog.yearEdit->text(), "2026");
  EXPECT_EQ(dialog.minuteEdit->text(), "30");
  EXPECT_EQ(dialog.longitudeSignEdit->text(), "-");
  EXPECT_EQ(dialog.longitudeDegreesEdit->text(), "120");
  EXPECT_EQ(dialog.latitudeDegreesEdit->text(), "50");
  EXPECT_EQ(QApplication::focusWidget(), dialog.dayEdit);
  EXPECT_EQ(dialog.dayEdit->selectedText(), "07");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DateTimePlaceWindow, TypingStraightThroughClosesTheDialog) {
  Open();
  Type(
      "31122030"
      "0645"
      "+01330"
      "+5230");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(sky.dateText, "31.12.2030");
  EXPECT_EQ(sky.timeText, "06:45:00");
  EXPECT_DOUBLE_EQ(sky.hours, 6.75 + 0.0001);
  EXPECT_EQ(sky.longitudeText,
            "+013\xB0"
            "30'");
  EXPECT_EQ(sky.latitudeText,
            "+52\xB0"
            "30'");
  EXPECT_DOUBLE_EQ(sky.latitude, 52.5001);
}

TEST_F(DateTimePlaceWindow, AnInvalidDateIsReportedAndEscapeThenLeaves) {
  Open();
  Type("30022025");
  EXPECT_EQ(Errors(), QStringList{"Das ist kein gültiges Datum!"});
  EXPECT_EQ(QApplication::focusWidget(), dialog.dayEdit);
  EXPECT_EQ(dialog.dayEdit->text() + dialog.monthEdit->text() + dialog.yearEdit->text(),
            "30022025");
  EXPECT_TRUE(dialog.isVisible());
  Press(Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(sky.dateText, "07.12.2026");
}

TEST_F(DateTimePlaceWindow, TabAndEnterLeaveFields) {
  Open();
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), dialog.monthEdit);
  Press(Qt::Key_Return);
  Press(Qt::Key_Return);  // leaves the year: the filled date is committed again
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), dialog.minuteEdit);
  Type("7");
  Press(Qt::Key_Tab);  // minute "7" is fine, hour "09"
  EXPECT_EQ(QApplication::focusWidget(), dialog.longitudeSignEdit);
  EXPECT_EQ(sky.timeText, "09:07:00");
  Press(Qt::Key_Backspace);
  Press(Qt::Key_Tab);  // an empty sign
  EXPECT_EQ(QApplication::focusWidget(), dialog.longitudeSignEdit);
  EXPECT_EQ(Errors(), QStringList{"Bitte + für östliche oder - für westliche Länge eingeben"});
  EXPECT_TRUE(dialog.isVisible());
}

// Past the first field ESC, in a field or in the help text, or a click on
// the "ESC" label ends the visit; what was committed before stays.
TEST_F(DateTimePlaceWindow, EscapeOrTheEscLabelClosesFromAnyField) {
  const std::array<QLineEdit*, kDateFieldCount> fields = Fields();
  for (int field = 0; field < kDateFieldCount; ++field) {
    Open();
    for (int moved = 0; moved < field; ++moved) Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), fields[field]);
    Press(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible()) << "ESC after " << field << " tabs";
  }
  Open();
  Type(
      "24122031"
      "1830");
  ASSERT_EQ(QApplication::focusWidget(), dialog.longitudeSignEdit);
  Type("-01");  // the longitude group is left half typed
  QTest::mouseClick(dialog.escLabel, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(sky.dateText, "24.12.2031");
  EXPECT_EQ(sky.timeText, "18:30:00");
  EXPECT_FALSE(sky.isWest);
  EXPECT_TRUE(messages.shown().empty());
  Open();
  dialog.helpText->setFocus(Qt::MouseFocusReason);
  Press(Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible()) << "ESC in the help text";
}

// A refused degree field says why, keeps the focus and has its text
// selected, so the next keys retype it.
TEST_F(DateTimePlaceWindow, RefusedDegreesAreExplainedAndSelectedForRetyping) {
  Open();
  dialog.longitudeDegreesEdit->setFocus(Qt::MouseFocusReason);
  Type("200");
  EXPECT_EQ(Errors(), QStringList{"Die Länge reicht von 0 bis 180 Grad."});
  EXPECT_EQ(QApplication::focusWidget(), dialog.longitudeDegreesEdit);
  EXPECT_EQ(dialog.longitudeDegreesEdit->selectedText(), "200");
  Type("015");
  EXPECT_EQ(QApplication::focusWidget(), dialog.longitudeMinutesEdit);
  dialog.latitudeDegreesEdit->setFocus(Qt::MouseFocusReason);
  Type("x");
  Press(Qt::Key_Tab);
  EXPECT_EQ(Errors().last(),
            "Bitte die Grad nur mit Ziffern eingeben. Die Breite reicht von 0 bis 90 Grad.");
  EXPECT_EQ(QApplication::focusWidget(), dialog.latitudeDegreesEdit);
  EXPECT_EQ(dialog.latitudeDegreesEdit->selectedText(), "x");
}

TEST_F(DateTimePlaceWindow, AWrongTimeLeftByAClickSendsTheFocusToTheHour) {
  Open();
  dialog.hourEdit->setFocus(Qt::MouseFocusReason);
  Type("2401");
  EXPECT_EQ(Errors(), QStringList{"Das ist keine gültige Zeit!"});
  EXPECT_EQ(QApplication::focusWidget(), dialog.hourEdit);
  EXPECT_EQ(dialog.hourEdit->selectedText(), "24");

  Type("23");
  EXPECT_EQ(QApplication::focusWidget(), dialog.minuteEdit);
  QTest::mouseClick(dialog.latitudeDegreesEdit, Qt::LeftButton);  // leaves the minutes "01"
  EXPECT_EQ(QApplication::focusWidget(), dialog.latitudeDegreesEdit);
  EXPECT_EQ(sky.timeText, "23:01:00");
}

TEST_F(DateTimePlaceWindow, LatitudeFailureReturnsToItsSignThenEnterCommits) {
  Open();
  dialog.latitudeDegreesEdit->setFocus(Qt::MouseFocusReason);
  Type("95");
  EXPECT_EQ(QApplication::focusWidget(), dialog.latitudeDegreesEdit);
  EXPECT_EQ(Errors(), QStringList{"Die Breite reicht von 0 bis 90 Grad."});
  Type("90");
  Type("30");
  EXPECT_EQ(Errors().last(), "Das ist keine gültige Breite!");
  EXPECT_EQ(QApplication::focusWidget(), dialog.latitudeSignEdit);
  Type("-");
  Type("12");
  Type("3");
  EXPECT_TRUE(dialog.isVisible());
  Press(Qt::Key_Enter);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(sky.latitudeText,
            "-12\xB0"
            "03'");
  EXPECT_TRUE(sky.isSouth);
}

TEST_F(DateTimePlaceWindow, EachOpeningRefillsFromTheSkyState) {
  Open();
  Type("0101");
  dialog.dayEdit->setFocus(Qt::MouseFocusReason);
  Press(Qt::Key_Escape);
  ASSERT_FALSE(dialog.isVisible());
  EXPECT_EQ(sky.dateText, "01.01.2026") << "the click out of yearEdit committed the date";
  sky.dateText = "15.06.2027";
  Open();
  EXPECT_EQ(dialog.dayEdit->text(), "15");
  EXPECT_EQ(dialog.monthEdit->text(), "06");
  EXPECT_EQ(QApplication::focusWidget(), dialog.dayEdit);
  EXPECT_EQ(dialog.dayEdit->selectedText(), "15") << "the first keys retype the day";
}

}  // namespace
}  // namespace sternwerk
