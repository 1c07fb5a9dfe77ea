// The factor choice dialog driven by typing, as the user drives it; only the
// message boxes are replaced.
#include "windows/factor_choice_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "tests/support/recording_messages.h"

namespace sternwerk {
namespace {

class FactorChoice : public ::testing::Test {
 protected:
  // Shows the dialog modally and runs the typing while it is open; returns
  // the dialog's result code.
  int Run(const std::function<void()>& typing) {
    QTimer::singleShot(0, [&] {
      typing();
      // A dialog still open after the typing is closed as a user might.
      if (dialog.isVisible()) dialog.close();
    });
    return dialog.exec();
  }

  // The factor the last showing chose; none when it was cancelled.
  std::optional<int> Chosen() const {
    if (!dialog.choice()) return std::nullopt;
    return dialog.choice()->factor;
  }

  RecordingMessages messages;
  SearchState search;
  DisplayOptions display;
  FactorChoiceDialog dialog{search, display, messages};
};

TEST_F(FactorChoice, LowerCaseCodeChoosesAtTheSecondLetter) {
  QString shownInField;
  const int result = Run([&] {
    QTest::keyClicks(dialog.codeEdit, "m");
    shownInField = dialog.codeEdit->text();
    QTest::keyClicks(dialog.codeEdit, "o");
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(shownInField, "M") << "capitals as typed";
  EXPECT_EQ(Chosen(), 4);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(FactorChoice, EscapeInTheFieldCancels) {
  const int result = Run([&] { QTest::keyClick(dialog.codeEdit, Qt::Key_Escape); });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(Chosen(), std::nullopt);
}

TEST_F(FactorChoice, TwoHashesCancelAsEscapeDoes) {
  Run([&] { QTest::keyClicks(dialog.codeEdit, "##"); });
  EXPECT_EQ(Chosen(), std::nullopt);
}

TEST_F(FactorChoice, EscapeInTheInstructionsDoesNothing) {
  bool stillOpen = false;
  Run([&] {
    dialog.instructions->setFocus();
    QTest::keyClick(dialog.instructions, Qt::Key_Escape);
    stillOpen = dialog.isVisible();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(Chosen(), std::nullopt) << "closing the window otherwise counts as cancel";
}

// After each refusal the code is selected: the next two keys replace it.
TEST_F(FactorChoice, RefusedCodesAreSelectedAndRetypedUntilAValidOne) {
  display.transplutonian = false;
  bool openAfterRefusals = false;
  QString selected;
  const int result = Run([&] {
    QTest::keyClicks(dialog.codeEdit, "kn");
    selected = dialog.codeEdit->selectedText();
    QTest::keyClicks(dialog.codeEdit, "cu");
    QTest::keyClicks(dialog.codeEdit, "gz");
    openAfterRefusals = dialog.isVisible();
    QTest::keyClicks(dialog.codeEdit, "pl");
  });
  EXPECT_TRUE(openAfterRefusals);
  EXPECT_EQ(selected, "KN");
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(Chosen(), 13);
  ASSERT_EQ(messages.shown().size(), 3u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
  EXPECT_EQ(messages.shown()[0].text,
            "MC, WI, AS und KN sind paradoxe Faktoren für Auf-/Untergang");
  EXPECT_EQ(messages.shown()[1].text,
            "CU gehört nicht zu den zwölf gewählten Faktoren (SO, MO, ME, VE...PL)");
  EXPECT_EQ(messages.shown()[2].text,
            "GZ ist kein gültiger Faktor. Gültig sind SO, MO, ME, VE, MA, JU, SA, UR, NE, PL.");
}

// At the horizon a hypothetical point is refused for the event searched.
TEST_F(FactorChoice, AtTheHorizonTheRefusalNamesTheEventSearched) {
  display.transplutonian = search.atHorizon = true;
  dialog.SetSearchedEvent(EventKind::kCulmination);
  Run([&] { QTest::keyClicks(dialog.codeEdit, "cu"); });
  EXPECT_EQ(dialog.windowTitle().trimmed(), "Kulminations-Faktor");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "CU hat keine Kulmination am Meridian (nur SO, MO, ME...PL)");
}

TEST_F(FactorChoice, AThirdCharacterStartsTheCodeAgain) {
  display.transplutonian = true;
  QString field;
  Run([&] {
    QTest::keyClicks(dialog.codeEdit, "xyz");
    field = dialog.codeEdit->text();
  });
  EXPECT_EQ(field, "Z");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            "XY ist kein gültiger Faktor. Gültig sind SO, MO, ME, VE, MA, JU, SA, UR, NE, PL, CU, "
            "HA, ZE, KR, AP, AD, VU, PO.");
}

TEST_F(FactorChoice, EachShowingStartsEmptyWithTheRangeOfTheFactorSet) {
  display.transplutonian = true;
  Run([&] { QTest::keyClicks(dialog.codeEdit, "ve"); });
  EXPECT_EQ(Chosen(), 7);
  display.transplutonian = false;
  QString field, hint;
  bool fieldHasFocus = false;
  Run([&] {
    field = dialog.codeEdit->text();
    hint = dialog.rangeLabel->text();
    fieldHasFocus = dialog.codeEdit->hasFocus();
    QTest::keyClick(dialog.codeEdit, Qt::Key_Escape);
  });
  EXPECT_EQ(field, "");
  EXPECT_EQ(hint, "SO, MO, ME, VE...PL");
  EXPECT_TRUE(fieldHasFocus);
  EXPECT_EQ(Chosen(), std::nullopt);
}

TEST_F(FactorChoice, Layout) {
  // The instructions are a text box one may type in, lines kept as written.
  EXPECT_FALSE(dialog.instructions->isReadOnly());
  EXPECT_EQ(dialog.instructions->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(dialog.instructions->geometry(), QRect(2, 1, 214, 216));
  EXPECT_EQ(dialog.instructions->toPlainText().split('\n').size(), 13);
  EXPECT_EQ(dialog.instructions->toPlainText().split('\n').last(),
            " Sie ihn mit der Taste ´ESC´. ");
  EXPECT_EQ(dialog.codeEdit->maxLength(), 2);
  EXPECT_EQ(dialog.escLabel->text(), " ESC ");
  EXPECT_EQ(dialog.codeEdit->geometry(), QRect(16, 224, 36, 28));
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

}  // namespace
}  // namespace sternwerk
