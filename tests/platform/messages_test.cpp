#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QTimer>

#include "platform/box_messages.h"
#include "tests/support/recording_messages.h"

namespace sternwerk {
namespace {

struct SeenBox {
  QString title, text;
  QMessageBox::StandardButtons buttons;
};

class BoxMessagesTest : public testing::Test {
 protected:
  // Shows a box through `show`, answers it with `press` and returns it.
  template <typename Show>
  SeenBox Run(Show show, QMessageBox::StandardButton press) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen, press] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = {box->windowTitle(), box->text(), box->standardButtons()};
      box->button(press)->click();
    });
    show();
    return seen;
  }
  BoxMessages messages_;
};

TEST_F(BoxMessagesTest, ErrorAndInformationBoxesHaveTheirTitlesAndOneOkButton) {
  const SeenBox error = Run([&] { messages_.Error("Falsches Datum"); }, QMessageBox::Ok);
  EXPECT_EQ(error.title, "Fehler");
  EXPECT_EQ(error.text, "Falsches Datum");
  EXPECT_EQ(error.buttons, QMessageBox::Ok);

  const SeenBox info = Run([&] { messages_.Information("gespeichert"); }, QMessageBox::Ok);
  EXPECT_EQ(info.title, "Informationen");
  EXPECT_EQ(info.buttons, QMessageBox::Ok);
}

TEST_F(BoxMessagesTest, ConfirmationAnswersYesOrNo) {
  bool answer = false;
  const SeenBox yes = Run([&] { answer = messages_.Confirm("Weiter?"); }, QMessageBox::Yes);
  EXPECT_TRUE(answer);
  EXPECT_EQ(yes.buttons, QMessageBox::Yes | QMessageBox::No);
  Run([&] { answer = messages_.Confirm("Weiter?"); }, QMessageBox::No);
  EXPECT_FALSE(answer);
}

// The check box under the question reports whether it was ticked.
TEST_F(BoxMessagesTest, ConfirmationWithAChoiceReportsTheTick) {
  for (const bool tick : {false, true}) {
    QString label;
    QTimer::singleShot(0, [&label, tick] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      ASSERT_NE(box->checkBox(), nullptr);
      label = box->checkBox()->text();
      if (tick) box->checkBox()->click();
      box->button(QMessageBox::No)->click();
    });
    const Messages::Answer answer = messages_.ConfirmWithChoice("Weiter?", "Nicht mehr fragen");
    EXPECT_EQ(label, "Nicht mehr fragen");
    EXPECT_FALSE(answer.yes);
    EXPECT_EQ(answer.choiceTicked, tick);
  }
}

TEST_F(BoxMessagesTest, PlainBoxKeepsItsTitleAndShowsCarriageReturnsAsLineBreaks) {
  const SeenBox plain =
      Run([&] { messages_.Plain("  Titel", "eins\rzwei\r\ndrei"); }, QMessageBox::Ok);
  EXPECT_EQ(plain.title, "  Titel");
  EXPECT_EQ(plain.text, "eins\nzwei\ndrei");
}

TEST(RecordingMessages, RecordsEveryMessageAndAnswersFromItsScript) {
  RecordingMessages messages;
  messages.ScriptAnswers({true, false});
  messages.Error("e");
  EXPECT_TRUE(messages.Confirm("1"));
  EXPECT_FALSE(messages.Confirm("2"));
  messages.SetDefaultAnswer(true);
  EXPECT_TRUE(messages.Confirm("3"));
  messages.Plain("T", "p");
  messages.Information("i");

  ASSERT_EQ(messages.shown().size(), 6u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
  EXPECT_EQ(messages.shown()[2].text, "2");
  EXPECT_EQ(messages.shown()[4].title, "T");
  EXPECT_EQ(messages.shown()[5].kind, MessageKind::kInformation);
}

}  // namespace
}  // namespace sternwerk
