// The date/time/place and interval dialogs, the picture window and the
// help windows in English: every caption translated, no wider than its
// control, each key of a caption its own; the date/time/place dialog's
// lines and place list within their room whatever they say; the search's
// notes and the refused minutes in English.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <map>
#include <string>

#include "platform/program_language.h"
#include "tests/support/fixture_atlas.h"
#include "tests/support/recording_messages.h"
#include "tests/windows/caption_measures.h"
#include "tests/windows/focused_keys.h"
#include "windows/chart_help_window.h"
#include "windows/date_time_place_dialog.h"
#include "windows/interval_dialog.h"
#include "windows/introduction_window.h"
#include "windows/picture_window.h"

namespace sternwerk {
namespace {

using testing::CaptionOverhang;
using testing::Captions;
using testing::ChoosePlace;
using testing::LabelOverhang;
using testing::Mnemonics;
using testing::PressKey;
using testing::TypeKeys;

// The title and captions of a window, in the order of its controls.
QStringList Shown(const QWidget& window) {
  QStringList shown{window.windowTitle()};
  for (const auto& [control, caption] : Captions(window)) shown << caption;
  return shown;
}

// Checks that every caption fits and every key is used once; gives what
// the window shows.
QStringList CheckedCaptions(QWidget& window) {
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const auto& [control, caption] : Captions(window))
    EXPECT_LE(CaptionOverhang(*control, caption), 0) << caption.toStdString();
  for (const auto& [letter, captions] : Mnemonics(window))
    EXPECT_EQ(captions.size(), 1) << captions.join(", ").toStdString();
  return Shown(window);
}

TEST(EnglishDialogs, EveryCaptionIsTranslatedFitsAndKeepsItsOwnKey) {
  std::map<std::string, QStringList> german;
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    const ProgramTranslation translation(language);
    ASSERT_TRUE(translation.status().ok()) << translation.status().error();
    SkyState sky;
    ClockSettings settings;
    RecordingMessages messages;
    const PlaceAtlas atlas = FixtureAtlas();
    DateTimePlaceDialog dateTimePlace(sky, messages, atlas);
    IntervalDialog interval(settings, messages);
    PictureWindow picture;
    IntroductionWindow introduction(messages);
    ChartHelpWindow chartHelp(messages);
    for (QWidget* window : std::initializer_list<QWidget*>{&dateTimePlace, &interval, &picture,
                                                           &introduction, &chartHelp}) {
      const std::string name = window->metaObject()->className();
      const QStringList shown = CheckedCaptions(*window);
      if (language == Language::kGerman) {
        german[name] = shown;
        continue;
      }
      ASSERT_EQ(shown.size(), german[name].size()) << name;
      for (qsizetype i = 0; i < shown.size(); ++i) {
        // Blanks, key names and the bare numbers of the fields stay.
        if (shown[i].contains(QRegularExpression("[a-z]{3}"))) {
          EXPECT_NE(shown[i], german[name][i]) << name;
        }
      }
    }
  }
}

TEST(EnglishDialogs, TheDateTimePlaceDialogSpeaksEnglish) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  SkyState sky;
  RecordingMessages messages;
  const PlaceAtlas atlas = FixtureAtlas();
  DateTimePlaceDialog dialog(sky, messages, atlas);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.windowTitle().trimmed(), "Date / Time / Place");
  EXPECT_EQ(dialog.localTimeBox->text(), "L&ocal time");
  EXPECT_EQ(dialog.searchButton->text(), "&Find place ...  F3");
  EXPECT_TRUE(dialog.placeLabel->text().startsWith("Place: "))
      << dialog.placeLabel->text().toStdString();
}

// Checks that every shown label of a window keeps its text within itself.
void ExpectEveryLabelFits(const QWidget& window, const char* shown) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->isVisibleTo(&window) && !label->text().isEmpty()) {
      EXPECT_LE(LabelOverhang(*label), 0) << label->text().toStdString() << " (" << shown << ")";
    }
  }
}

// The date/time/place dialog driven with keys through what its lines say:
// the other reading in both directions, across a day, in the skipped and
// the repeated hour, the place lines of named and typed places, and the
// search's notes.
class EnglishDateTimePlaceLines : public ::testing::Test {
 protected:
  void Open(DateTimePlaceDialog& dialog) {
    dialog.SetPlaceIdentity(IdentityOf(*atlas.Find("Berlin", 1).front(), Language::kEnglish));
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }

  const ProgramTranslation translation{Language::kEnglish};
  const PlaceAtlas atlas = FixtureAtlas();
  SkyState sky = SkyAtChosenBerlin();
  RecordingMessages messages;
};

// The place search takes German names in English too, and shows the place
// by its English names.
TEST_F(EnglishDateTimePlaceLines, APlaceTypedByItsGermanNameIsShownByItsEnglishOne) {
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  DateTimePlaceDialog dialog(sky, messages, atlas);
  Open(dialog);
  ChoosePlace("Muenchen");
  EXPECT_TRUE(dialog.placeLabel->text().contains("Munich, Bavaria, Germany"))
      << dialog.placeLabel->text().toStdString();
}

TEST_F(EnglishDateTimePlaceLines, FitTheirLabelsWhateverTheySay) {
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  DateTimePlaceDialog dialog(sky, messages, atlas);
  Open(dialog);
  ExpectEveryLabelFits(dialog, "opened in Berlin");
  ChoosePlace("new y");
  ExpectEveryLabelFits(dialog, "New York City");
  ChoosePlace("Sydney");
  dialog.hourEdit->setFocus(Qt::MouseFocusReason);
  TypeKeys("2000");
  ASSERT_TRUE(dialog.otherReadingLabel->text().startsWith("= 08.12.2026 "))
      << dialog.otherReadingLabel->text().toStdString();
  ExpectEveryLabelFits(dialog, "local time on the next day");
  ChoosePlace("Berlin");
  PressKey(Qt::Key_O, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.localTimeBox->isChecked(); }));
  dialog.dayEdit->setFocus(Qt::MouseFocusReason);
  TypeKeys(
      "29032026"
      "0230");  // Berlin's clocks skipped 02:00 to 03:00
  ASSERT_EQ(messages.shown().size(), 1u) << messages.shown().front().text.toStdString();
  ExpectEveryLabelFits(dialog, "the skipped hour");
  messages.SetDefaultAnswer(true);
  dialog.dayEdit->setFocus(Qt::MouseFocusReason);
  TypeKeys(
      "25102026"
      "0230");  // and went from 03:00 back to 02:00
  ASSERT_TRUE(dialog.otherReadingLabel->text().contains(" or "));
  ExpectEveryLabelFits(dialog, "the repeated hour");
  dialog.longitudeSignEdit->setFocus(Qt::MouseFocusReason);
  TypeKeys(
      "-03000"
      "-10");  // the open Atlantic: no place, no zone
  ExpectEveryLabelFits(dialog, "typed coordinates");
  PressKey(Qt::Key_F3);
  for (const char* name : {"Berlin", "Munich", "Ulm", "Paris", "New York City", "Sydney"}) {
    dialog.searchEdit->clear();
    TypeKeys(name);
    ASSERT_EQ(dialog.searchList->count(), 1) << name;
    const QString match = dialog.searchList->item(0)->text();
    EXPECT_LE(CaptionOverhang(*dialog.searchList->viewport(), match), 0) << match.toStdString();
  }
  dialog.searchEdit->clear();
  TypeKeys("xyz");
  ExpectEveryLabelFits(dialog, "nothing found");

  DateTimePlaceDialog withoutGermanNames(sky, messages, atlas, "geonames.mo is missing");
  Open(withoutGermanNames);
  PressKey(Qt::Key_F3);
  TypeKeys("xyz");
  ASSERT_FALSE(withoutGermanNames.searchNote->text().isEmpty());
  ExpectEveryLabelFits(withoutGermanNames, "German names missing, nothing found");
}

TEST(EnglishDialogs, RefusedMinutesAreExplainedInEnglish) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  ClockSettings settings;
  RecordingMessages messages;
  IntervalDialog dialog(settings, messages);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.minutesEdit->setText("0");
  QTest::keyClick(dialog.minutesEdit, Qt::Key_Return);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
  EXPECT_TRUE(messages.shown()[0].text.startsWith("Please enter the minutes per step"));
}

}  // namespace
}  // namespace sternwerk
