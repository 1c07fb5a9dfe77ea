// The factor choice dialog driven by typing, as the user drives it; only the
// message boxes are replaced.
#include "dial/factor_choice_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/recording_messages.h"

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

  RecordingMessages messages;
  SkyState sky;
  TForm6 dialog{sky, messages};
};

TEST_F(FactorChoice, LowerCaseCodeChoosesAtTheSecondLetter) {
  sky.selectedFactor = 0;
  QString shownInField;
  const int result = Run([&] {
    QTest::keyClicks(dialog.Edit1, "m");
    shownInField = dialog.Edit1->text();
    QTest::keyClicks(dialog.Edit1, "o");
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(shownInField, "M") << "capitals as typed";
  EXPECT_EQ(sky.selectedFactor, 4);
  EXPECT_TRUE(dialog.answer.isEmpty());
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(FactorChoice, EscapeInTheFieldCancels) {
  sky.selectedFactor = 9;
  const int result = Run([&] { QTest::keyClick(dialog.Edit1, Qt::Key_Escape); });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(dialog.answer, "##");
  EXPECT_EQ(sky.selectedFactor, 9);
}

TEST_F(FactorChoice, TwoHashesCancelAsEscapeDoes) {
  Run([&] { QTest::keyClicks(dialog.Edit1, "##"); });
  EXPECT_EQ(dialog.answer, "##");
}

TEST_F(FactorChoice, EscapeInTheInstructionsDoesNothing) {
  bool stillOpen = false;
  Run([&] {
    dialog.Memo1->setFocus();
    QTest::keyClick(dialog.Memo1, Qt::Key_Escape);
    stillOpen = dialog.isVisible();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(dialog.answer, "##") << "closing the window otherwise counts as cancel";
}

// After each refusal the code is selected: the next two keys replace it.
TEST_F(FactorChoice, RefusedCodesAreSelectedAndRetypedUntilAValidOne) {
  sky.transplutonian = false;
  sky.selectedFactor = 0;
  bool openAfterRefusals = false;
  QString selected;
  const int result = Run([&] {
    QTest::keyClicks(dialog.Edit1, "kn");
    selected = dialog.Edit1->selectedText();
    QTest::keyClicks(dialog.Edit1, "cu");
    QTest::keyClicks(dialog.Edit1, "gz");
    openAfterRefusals = dialog.isVisible();
    QTest::keyClicks(dialog.Edit1, "pl");
  });
  EXPECT_TRUE(openAfterRefusals);
  EXPECT_EQ(selected, "KN");
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(sky.selectedFactor, 13);
  ASSERT_EQ(messages.shown().size(), 3u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
  EXPECT_EQ(messages.shown()[0].text,
            "MC, WI, AS und KN sind paradoxe Faktoren für Auf-/Untergang");
  EXPECT_EQ(messages.shown()[1].text,
            "CU gehört nicht zu den zwölf gewählten Faktoren (SO, MO, ME, VE...PL)");
  EXPECT_EQ(messages.shown()[2].text, "GZ ist kein gültiger Faktor");
}

TEST_F(FactorChoice, AThirdCharacterStartsTheCodeAgain) {
  sky.transplutonian = true;
  QString field;
  Run([&] {
    QTest::keyClicks(dialog.Edit1, "xyz");
    field = dialog.Edit1->text();
  });
  EXPECT_EQ(field, "Z");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "XY ist kein gültiger Faktor");
}

TEST_F(FactorChoice, EachShowingStartsEmptyWithTheRangeOfTheFactorSet) {
  sky.transplutonian = true;
  Run([&] { QTest::keyClicks(dialog.Edit1, "ve"); });
  EXPECT_EQ(sky.selectedFactor, 7);
  sky.transplutonian = false;
  QString field, hint;
  bool fieldHasFocus = false;
  Run([&] {
    field = dialog.Edit1->text();
    hint = dialog.Label1->text();
    fieldHasFocus = dialog.Edit1->hasFocus();
    QTest::keyClick(dialog.Edit1, Qt::Key_Escape);
  });
  EXPECT_EQ(field, "");
  EXPECT_EQ(hint, "SO, MO, ME, VE...PL");
  EXPECT_TRUE(fieldHasFocus);
  EXPECT_EQ(dialog.answer, "##");
}

TEST_F(FactorChoice, Layout) {
  EXPECT_EQ(dialog.Memo1->toPlainText().split('\n').size(), 13);
  EXPECT_EQ(dialog.Memo1->toPlainText().split('\n').last(), " Sie ihn mit der Taste ´ESC´. ");
  EXPECT_EQ(dialog.Edit1->maxLength(), 2);
  EXPECT_EQ(dialog.Label2->text(), " ESC ");
  EXPECT_EQ(dialog.Edit1->geometry(), QRect(16, 224, 36, 28));
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

}  // namespace
}  // namespace sternwerk
