// The enlarged chart, its printer advice, the outside view and the
// 90-degree dial in English:
// every caption translated and no wider than its control, each key of a
// caption its own, and the advice's lines short enough not to re-wrap.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "platform/program_language.h"
#include "tests/windows/caption_measures.h"
#include "tests/windows/chart_windows.h"

namespace sternwerk {
namespace {

using testing::CaptionOverhang;
using testing::Captions;
using testing::Mnemonics;

class EnglishChartWindows : public testing::ChartWindows {
 protected:
  EnglishChartWindows() : ChartWindows("") {}
};

TEST(EnglishChartCaptions, EveryCaptionIsTranslatedFitsAndKeepsItsOwnKey) {
  std::map<std::string, QStringList> german;
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    const ProgramTranslation translation(language);
    ASSERT_TRUE(translation.status().ok()) << translation.status().error();
    testing::TemporaryDirectory directory;
    RecordingMessages messages;
    testing::ShownSky sky = testing::ChartSkyWith({{kSun, 15}}, true);
    EnlargedChartWindow chart(sky, sky.options, messages, directory.path());
    OutsideViewWindow outside(sky, sky.options, messages, directory.path());
    NinetyDegreeDialWindow dial(sky, sky.options);
    for (QWidget* window : std::initializer_list<QWidget*>{&chart, &outside, &dial}) {
      window->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
      const std::string name = window->metaObject()->className();
      QStringList shown{window->windowTitle()};
      for (const auto& [control, caption] : Captions(*window)) {
        EXPECT_LE(CaptionOverhang(*control, caption), 0) << caption.toStdString();
        shown << caption << control->toolTip();
      }
      for (const auto& [letter, captions] : Mnemonics(*window))
        EXPECT_EQ(captions.size(), 1) << captions.join(", ").toStdString();
      if (language == Language::kGerman) {
        german[name] = shown;
        continue;
      }
      ASSERT_EQ(shown.size(), german[name].size()) << name;
      for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!shown[i].trimmed().isEmpty()) {
          EXPECT_NE(shown[i], german[name][i]) << name;
        }
      }
    }
  }
}

TEST_F(EnglishChartWindows, PrinterAdviceAndSavedMessageInEnglish) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  chart.printerHelpButton->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  const QString advice = messages.shown()[0].text;
  EXPECT_TRUE(messages.shown()[0].title.trimmed().startsWith("If the chart"));
  EXPECT_TRUE(advice.contains("Your printer is set to 4800 pixels"));
  EXPECT_TRUE(advice.contains("= 600 pixels per inch."));
  EXPECT_TRUE(advice.contains("(If need be"));
  EXPECT_LE(testing::MessageOverhang(advice), 0) << advice.toStdString();

  chart.saveButton->click();
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_TRUE(messages.shown()[1].text.startsWith("The chart was saved as a Windows metafile in  "))
      << messages.shown()[1].text.toStdString();
  EXPECT_TRUE(messages.shown()[1].text.contains("  in the folder  "));
}

}  // namespace
}  // namespace sternwerk
