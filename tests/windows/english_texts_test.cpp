// The texts of the layers below the windows in English: factor codes and
// signs, the clock's lines, the search texts, the factor choice dialog, and
// ALT.DAT, which stays the same whatever the language.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>
#include <set>

#include "charts/chart_print_page.h"
#include "charts/enlarged_chart_drawing.h"
#include "charts/outside_view_drawing.h"
#include "charts/position_list_text.h"
#include "clock/clock_step.h"
#include "clock/search_texts.h"
#include "clock/state_file.h"
#include "engine/calendar.h"
#include "engine/factor_code.h"
#include "engine/factors.h"
#include "engine/position_list.h"
#include "engine/text_forms.h"
#include "platform/program_language.h"
#include "tests/support/dial_test_support.h"
#include "tests/support/recording_messages.h"
#include "tests/support/sky_at.h"
#include "tests/support/temporary_directory.h"
#include "tests/windows/caption_measures.h"
#include "windows/factor_choice_dialog.h"

namespace sternwerk {
namespace {

using testing::SkyAt;

// Lists every drawn factor's shown code.
std::vector<std::string> ShownCodes() {
  std::vector<std::string> codes;
  for (int factor = 0; factor < kDrawnFactors; ++factor) codes.push_back(ShownFactorCode(factor));
  codes.push_back(ShownFactorCode(kGZ));
  return codes;
}

TEST(EnglishCodes, AreTwoLettersOwnOneFactorEachAndChooseItBack) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  const std::vector<std::string> codes = ShownCodes();
  EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()).size(), codes.size());
  for (int factor = kSun; factor <= kPoseidon; ++factor) {
    const std::string code = ShownFactorCode(factor);
    EXPECT_EQ(code.size(), 2u) << code;
    const FactorCodeCheck check = CheckFactorCode(code, true);
    if (factor == kAscendant || factor == kLunarNode) {
      EXPECT_EQ(check.verdict, FactorCodeVerdict::kRefused) << code;
    } else {
      EXPECT_EQ(check.verdict, FactorCodeVerdict::kChosen) << code;
      EXPECT_EQ(check.factor, factor) << code;
    }
  }
  EXPECT_EQ(ShownFactorCode(kSun), "SU");
  EXPECT_EQ(ShownSignAbbreviation(SignIndex(255)), "SAG");
}

TEST(EnglishCodes, GermanCodesAreRefusedInEnglishAndChooseAgainInGerman) {
  {
    const ProgramTranslation translation(Language::kEnglish);
    ASSERT_TRUE(translation.status().ok()) << translation.status().error();
    const FactorCodeCheck sunInGerman = CheckFactorCode("SO", false);
    EXPECT_EQ(sunInGerman.verdict, FactorCodeVerdict::kRefused);
    EXPECT_NE(sunInGerman.message.find(ValidFactorCodes(false, false)), std::string::npos);
    EXPECT_EQ(sunInGerman.message.find("Faktor"), std::string::npos) << sunInGerman.message;
    EXPECT_EQ(ValidFactorCodes(false, false).substr(0, 2), "SU");
    EXPECT_EQ(FactorRangeHint(false).substr(0, 2), "SU");
  }
  EXPECT_EQ(CheckFactorCode("SO", false).factor, kSun);
  EXPECT_EQ(FactorRangeHint(false), "SO, MO, ME, VE...PL");
}

TEST(EnglishPositionList, KeepsTheAnglesAndChangesOnlyCodeSignAndHeading) {
  const std::string german = PositionListLine(kSun, 255.5);
  const std::string germanHeading = PositionListHeading(ComputationUsed::kOwn);
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  const std::string english = PositionListLine(kSun, 255.5);
  EXPECT_EQ(english.substr(0, 4), " " + ShownFactorCode(kSun) + " ");
  EXPECT_EQ(english.substr(4, english.size() - 7), german.substr(4, german.size() - 7));
  EXPECT_EQ(english.substr(english.size() - 3), ShownSignAbbreviation(SignIndex(255.5)));
  EXPECT_NE(PositionListHeading(ComputationUsed::kOwn), germanHeading);
}

TEST(EnglishClockLines, WeekdayUniversalTimeIntervalAndSpeed) {
  // 9 December 2026 is a Wednesday.
  ClockSettings settings;
  settings.ticksPerSecond = -5;
  const std::string germanInterval = IntervalText(settings);
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  EXPECT_EQ(WeekdayName(2026, 12, 9), "Wed");
  EXPECT_EQ(FormatUniversalHours(14.5), FormatHours(14.5) + " UT");
  EXPECT_NE(IntervalText(settings), germanInterval);
  EXPECT_EQ(SpeedText(settings.ticksPerSecond), "Ticks/sec:5");
  const SkyState sky = SkyAt(9, 12, 2026, 14.5);
  const std::string instant = ChartInstantText(sky);
  EXPECT_NE(instant.find("Wed, " + sky.dateText), std::string::npos) << instant;
  EXPECT_NE(instant.find(FormatUniversalHours(14.5)), std::string::npos) << instant;
}

TEST(EnglishSearchTexts, NameTheEventWithTheEnglishCode) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  EXPECT_EQ(SearchResultText(EventKind::kRise, kSun, false), " SU rise ");
  const std::string notFound = SearchNotFoundText(EventKind::kSet, kMars, true);
  EXPECT_EQ(notFound.rfind(HorizonEventName(EventKind::kSet, kMars) + " not found: MA", 0), 0u)
      << notFound;
  EXPECT_NE(SearchProgressText(EventKind::kFullMoon, kSun, false).find("full moon"),
            std::string::npos);
}

TEST(EnglishFactorChoice, TheDialogTakesTheEnglishCode) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  RecordingMessages messages;
  SearchState search;
  DisplayOptions display;
  FactorChoiceDialog dialog{search, display, messages};
  QTimer::singleShot(0, [&] {
    QTest::keyClicks(dialog.codeEdit, "so");
    QTest::keyClicks(dialog.codeEdit, "su");
    if (dialog.isVisible()) dialog.close();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  ASSERT_TRUE(dialog.choice().has_value());
  EXPECT_EQ(dialog.choice()->factor, kSun);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown().front().text.startsWith("SO is not a valid factor"))
      << messages.shown().front().text.toStdString();
}

// The instructions keep their lines and show whole without scrolling; the
// range of codes stands inside the dialog with either set of factors.
TEST(EnglishFactorChoice, InstructionsAndRangeStandWholeInTheDialog) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  for (const bool transplutonian : {false, true}) {
    RecordingMessages messages;
    SearchState search;
    DisplayOptions display;
    display.transplutonian = transplutonian;
    FactorChoiceDialog dialog{search, display, messages};
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.instructions->toPlainText().startsWith(" Type the two-letter code"));
    EXPECT_LE(testing::TextBoxOverhang(*dialog.instructions), 0);
    EXPECT_EQ(dialog.instructions->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(testing::LabelOverhang(*dialog.rangeLabel), 0);
    EXPECT_TRUE(dialog.rect().contains(dialog.rangeLabel->geometry()))
        << dialog.rangeLabel->text().toStdString();
  }
}

TEST(EnglishCharts, DialTextsStandWhereTheGermanOnesStandInEnglish) {
  const testing::ShownSky sky = testing::SkyWith({{kSun, 100}, {kMoon, 200}});
  const std::vector<TextOp> german = testing::DialOf(sky).Texts();
  std::vector<TextOp> english;
  {
    const ProgramTranslation translation(Language::kEnglish);
    ASSERT_TRUE(translation.status().ok()) << translation.status().error();
    english = testing::DialOf(sky).Texts();
    EXPECT_EQ(
        OutsideViewTitleSuffix(sky).rfind("  on " + WeekdayName(sky.year, sky.month, sky.day)), 0u);
    const std::vector<PrintListEntry> list = PrintListEntries(sky, sky.options);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front().text.substr(0, 4), ShownFactorCode(kMC) + "  ");
  }
  ASSERT_EQ(english.size(), german.size());
  int translated = 0;
  for (std::size_t i = 0; i < german.size(); ++i) {
    EXPECT_EQ(english[i].at, german[i].at) << german[i].text;
    if (english[i].text != german[i].text) ++translated;
    EXPECT_NE(english[i].text, "Nordpol der Erde");
    EXPECT_NE(english[i].text, "SO");
    EXPECT_NE(english[i].text, "WID");
    EXPECT_NE(english[i].text, "O <") << "the compass's east point";
  }
  EXPECT_GE(translated, 12 + 1);  // the signs, the pole and the codes that differ
}

// Without the symbol font the enlarged chart and the outside view write the
// signs' names; in English those, the Aries point and the descendant are
// English, and none of the German ones is left.
TEST(EnglishCharts, SignNamesAndAxesOfChartAndOutsideViewWithoutSymbolFont) {
  const testing::ShownSky sky = testing::SkyWith({{kSun, 100}, {kMoon, 200}});
  DisplayOptions textSigns = sky.options;
  textSigns.symbolFontPresent = false;
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  Picture chart(kChartSize, kChartSize);
  Canvas chartCanvas(chart);
  DrawEnlargedChart(sky, textSigns, ChartTexts{}, chartCanvas);
  Picture view(kOutsideViewWidth, kOutsideViewHeight);
  Canvas viewCanvas(view);
  DrawOutsideView(sky, textSigns, viewCanvas);
  std::set<std::string> written;
  for (const Picture* picture : {&chart, &view})
    for (const TextOp& text : picture->Texts()) written.insert(text.text);
  const int signs = static_cast<int>(kSignAbbreviations.size());
  int englishSigns = 0;
  for (int sign = 0; sign < signs; ++sign) {
    const std::string german(kSignAbbreviations[static_cast<std::size_t>(sign)]);
    EXPECT_FALSE(written.contains(german)) << german;
    if (written.contains(ShownSignAbbreviation(sign))) ++englishSigns;
  }
  EXPECT_EQ(englishSigns, signs) << "the chart writes every sign";
  EXPECT_TRUE(written.contains("0\xB0 AR"));
  EXPECT_TRUE(written.contains("DC"));
  EXPECT_FALSE(written.contains("0\xB0 WI"));
  EXPECT_FALSE(written.contains("DE"));
}

std::string Content(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StateFileLanguages, EnglishWritesWhatGermanWritesAndEachReadsTheOther) {
  const testing::TemporaryDirectory germanRun, englishRun;
  SkyState written = SkyAt(9, 12, 2026, 14 + 5 / 60.0 + 9 / 3600.0, -8.5, 47.25);
  ASSERT_TRUE(WriteStateFile(germanRun.path(), written).ok());
  SkyState readInEnglish;
  {
    const ProgramTranslation translation(Language::kEnglish);
    ASSERT_TRUE(translation.status().ok()) << translation.status().error();
    ASSERT_TRUE(WriteStateFile(englishRun.path(), written).ok());
    ASSERT_TRUE(ReadStateFile(germanRun.path(), readInEnglish).ok());
  }
  EXPECT_EQ(Content(englishRun.path() / kStateFileName),
            Content(germanRun.path() / kStateFileName));
  SkyState readInGerman;
  ASSERT_TRUE(ReadStateFile(englishRun.path(), readInGerman).ok());
  for (const SkyState* read : {&readInEnglish, &readInGerman}) {
    EXPECT_EQ(read->dateText, written.dateText);
    EXPECT_EQ(read->timeText, written.timeText);
    EXPECT_EQ(read->longitudeText, written.longitudeText);
    EXPECT_EQ(read->latitudeText, written.latitudeText);
  }
}

}  // namespace
}  // namespace sternwerk
