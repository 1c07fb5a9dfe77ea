// The help texts in both languages: every line of a help box fits the box's
// width, so the lines stand as they are printed, and the English texts say
// what the German ones do, with the numbers the program computes.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/display_options.h"
#include "engine/event_search.h"
#include "engine/factors.h"
#include "engine/sky.h"
#include "engine/text_forms.h"
#include "platform/program_language.h"
#include "tests/support/recording_messages.h"
#include "tests/support/sky_at.h"
#include "tests/support/temporary_directory.h"
#include "tests/windows/caption_measures.h"
#include "windows/chart_help_window.h"
#include "windows/date_time_place_dialog.h"
#include "windows/interval_dialog.h"
#include "windows/introduction_window.h"
#include "windows/outside_view_window.h"

namespace sternwerk {
namespace {

using testing::TemporaryDirectory;

struct HelpBox {
  const char* name;
  const QPlainTextEdit* box;
};

// Every window with help boxes, shown so that the boxes have their size.
class HelpWindows {
 public:
  HelpWindows() : outside_(sky_, display_, messages_, directory_.path()) {
    outside_.helpButton->click();
    outsideNorth_.helpButton->click();
    for (QWidget* window : std::initializer_list<QWidget*>{
             &introduction_, &chartHelp_, &outside_, &dateTimePlace_, &interval_, &outsideNorth_}) {
      window->show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }
  }

  std::vector<HelpBox> Boxes() const {
    return {
        {"summary", introduction_.summaryText}, {"settings", introduction_.settingsText},
        {"halted", introduction_.haltedText},   {"introduction", introduction_.introductionText},
        {"chart help", chartHelp_.helpText},    {"material", chartHelp_.materialText},
        {"outside view", outside_.helpText},    {"date/time/place", dateTimePlace_.helpText},
        {"interval", interval_.explanation},    {"outside view north", outsideNorth_.helpText}};
  }

 private:
  TemporaryDirectory directory_;
  RecordingMessages messages_;
  SkyState sky_;
  DisplayOptions display_;
  ClockSettings settings_;
  IntroductionWindow introduction_{messages_};
  ChartHelpWindow chartHelp_{messages_};
  OutsideViewWindow outside_;
  SkyState southernSky_ = testing::SkyAt(1, 1, 2000, 0, 151.2, -33.87);  // the MC stands north
  OutsideViewWindow outsideNorth_{southernSky_, display_, messages_, directory_.path()};
  DateTimePlaceDialog dateTimePlace_{sky_, messages_};
  IntervalDialog interval_{settings_, messages_};
};

// The boxes' texts in a language, by box.
std::map<std::string, QString> TextsIn(Language language) {
  const ProgramTranslation translation(language);
  EXPECT_TRUE(translation.status().ok()) << translation.status().error();
  std::map<std::string, QString> texts;
  const HelpWindows windows;
  for (const auto& [name, box] : windows.Boxes()) texts[name] = box->toPlainText();
  return texts;
}

// The numbers a text quotes, in order of size.
std::vector<int> NumbersIn(const QString& text) {
  std::vector<int> numbers;
  QRegularExpressionMatchIterator match = QRegularExpression("\\d+").globalMatch(text);
  while (match.hasNext()) numbers.push_back(match.next().captured().toInt());
  std::ranges::sort(numbers);
  return numbers;
}

TEST(HelpTextWidths, EveryLineFitsItsBoxAndTheOutsideViewHelpNeedsNoScrollingInBothLanguages) {
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    const ProgramTranslation translation(language);
    ASSERT_TRUE(translation.status().ok()) << translation.status().error();
    const HelpWindows windows;
    for (const auto& [name, box] : windows.Boxes()) {
      const std::string where = std::string(name) + (language == Language::kGerman ? " de" : " en");
      // The outside view's lines are paragraphs that the box wraps.
      if (!std::string(name).starts_with("outside view"))
        EXPECT_LE(testing::TextBoxOverhang(*box), 0) << where;
      else
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << where;
    }
  }
}

TEST(EnglishHelpTexts, SayTheSameWithTheSameNumbersInEnglishWords) {
  const std::map<std::string, QString> german = TextsIn(Language::kGerman);
  const std::map<std::string, QString> english = TextsIn(Language::kEnglish);
  const QRegularExpression germanWord("\\b(und|der|die|das|nicht|mit|Sie)\\b");
  const QRegularExpression englishWord("\\b(the|and|of)\\b");
  ASSERT_EQ(english.size(), german.size());
  EXPECT_NE(german.at("outside view north"), german.at("outside view")) << "facing north";
  for (const auto& [name, text] : english) {
    EXPECT_FALSE(text.contains(germanWord)) << name << ": " << text.toStdString();
    EXPECT_TRUE(text.contains(englishWord)) << name;
    EXPECT_EQ(NumbersIn(text), NumbersIn(german.at(name))) << name;
  }
}

// Degrees and whole minutes as the introduction writes them: "17°19´".
QString DegreesMinutes(double degrees) {
  const int whole = static_cast<int>(degrees);
  const int minutes = static_cast<int>((degrees - whole) * 60);
  return QString("%1°%2´").arg(whole).arg(minutes, 2, 10, QLatin1Char('0'));
}

TEST(EnglishHelpTexts, TheWorkedExampleNamesTheSignsTheEngineComputes) {
  const QString text = TextsIn(Language::kEnglish).at("introduction").simplified();
  SkyState sky;
  SetInstant(sky, 21, 3, 2000, 12);
  sky.longitude = 13 + 22 / 60.0;
  sky.latitude = 52 + 33 / 60.0;
  ComputeSky(sky);
  const double moon = sky.longitudes[kMoon];
  EXPECT_TRUE(text.contains(DegreesMinutes(sky.longitudes[kSun]) + " Aries"));
  EXPECT_TRUE(text.contains(DegreesMinutes(moon) + " = " + DegreesMinutes(moon - 180) + " Libra"));

  ASSERT_EQ(SearchEvent(sky, EventKind::kNewMoon, kMoon), SearchStatus::kFound);
  const QString minute = QString::fromStdString(FormatHours(sky.hours).substr(0, 5));
  EXPECT_TRUE(text.contains(QString::fromStdString(sky.dateText) + " at " + minute));
  EXPECT_TRUE(text.contains(DegreesMinutes(sky.longitudes[kSun]) + " Aries"));
  const int mc = static_cast<int>(sky.longitudes[kMC]);
  EXPECT_TRUE(text.contains(QString("MC is at %1°").arg(mc)));
  EXPECT_TRUE(text.contains(QString("%1° = %2° Cancer").arg(mc).arg(mc - 90)));
}

}  // namespace
}  // namespace sternwerk
