// The date/time/place and interval dialogs, the picture window and the
// help windows in English: every caption translated, no wider than its control, each key of
// a caption its own; the search's notes and the refused minutes in English.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>
#include <map>
#include <string>

#include "platform/program_language.h"
#include "platform/recording_messages.h"
#include "tests/support/fixture_atlas.h"
#include "tests/windows/caption_measures.h"
#include "windows/chart_help_window.h"
#include "windows/date_time_place_dialog.h"
#include "windows/interval_dialog.h"
#include "windows/introduction_window.h"
#include "windows/picture_window.h"

namespace sternwerk {
namespace {

using testing::CaptionOverhang;
using testing::Captions;
using testing::Mnemonics;

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
