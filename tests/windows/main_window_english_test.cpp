// The clock window in English: every caption, hint and start text is
// translated, no caption is wider than its button or check box, the start
// messages keep their lines in a message box, each caption's key stays its
// own, and German returns with the translation gone.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <map>
#include <memory>

#include "build_info.h"
#include "clock/clock.h"
#include "clock/clock_step.h"
#include "clock/search_texts.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/text_forms.h"
#include "platform/program_language.h"
#include "tests/support/widget_lookup.h"
#include "tests/windows/caption_measures.h"
#include "tests/windows/main_window_fixture.h"
#include "windows/main_window.h"
#include "windows/start_texts.h"

namespace sternwerk {
namespace {

using testing::Child;

struct Caption {
  QString text;
  QString hint;
};

class EnglishClockWindow : public testing::MainWindowFixture {
 protected:
  // The caption and hint of every named button and check box.
  static std::map<QString, Caption> Captions(const MainWindow& window) {
    std::map<QString, Caption> captions;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
      if (!button->objectName().isEmpty())
        captions[button->objectName()] = {button->text(), button->toolTip()};
    }
    return captions;
  }
};

TEST_F(EnglishClockWindow, TranslatesEveryCaptionAndHintAndGermanReturnsAfterwards) {
  const std::map<QString, Caption> german = Captions(StartWindow());
  std::map<QString, Caption> english;
  {
    const ProgramTranslation translation(Language::kEnglish);
    ASSERT_TRUE(translation.status().ok()) << translation.status().error();
    english = Captions(StartWindow());
  }
  ASSERT_EQ(english.size(), german.size());
  int captioned = 0;
  for (const auto& [name, caption] : german) {
    const Caption& translated = english.at(name);
    if (!caption.text.isEmpty()) {
      ++captioned;
      EXPECT_NE(translated.text, caption.text) << name.toStdString();
    }
    if (!caption.hint.isEmpty()) {
      EXPECT_NE(translated.hint, caption.hint) << name.toStdString();
    }
  }
  EXPECT_GE(captioned, 15);
  EXPECT_EQ(Captions(StartWindow()).at("haltButton").text, german.at("haltButton").text);
}

TEST_F(EnglishClockWindow, NoCaptionIsWiderThanItsButtonOrCheckBox) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  StartWindow();
  for (const QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
    if (button->text().isEmpty()) continue;
    const QString shown = QString(button->text()).remove('&');
    int room = button->width();
    if (!button->icon().isNull()) room -= button->iconSize().width();
    if (qobject_cast<const QCheckBox*>(button) != nullptr)
      room -= button->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button);
    EXPECT_LE(button->fontMetrics().horizontalAdvance(shown), room)
        << shown.toStdString() << " in " << button->objectName().toStdString();
  }
}

// The letters after '&' in the window's captions, each with the captions
// that use it.
std::map<QChar, QStringList> Mnemonics(const MainWindow& form) {
  std::map<QChar, QStringList> mnemonics;
  for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
    const QString text = button->text();
    const qsizetype mark = text.indexOf('&');
    if (mark >= 0 && mark + 1 < text.size()) mnemonics[text[mark + 1].toLower()] << text;
  }
  return mnemonics;
}

TEST_F(EnglishClockWindow, EveryKeyOfACaptionReachesOneControlInBothLanguages) {
  const auto expectDistinct = [](const std::map<QChar, QStringList>& mnemonics) {
    EXPECT_GE(mnemonics.size(), 15u);
    for (const auto& [letter, captions] : mnemonics)
      EXPECT_EQ(captions.size(), 1) << captions.join(", ").toStdString();
  };
  expectDistinct(Mnemonics(StartWindow()));
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  expectDistinct(Mnemonics(StartWindow()));
}

TEST_F(EnglishClockWindow, TitleQuestionHaltStatusAndSourcesFollowTheLanguage) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  StartWindow();
  EXPECT_TRUE(form->windowTitle().endsWith(QString("Sternwerk, Version ") + build_info::kVersion))
      << form->windowTitle().toStdString();
  EXPECT_FALSE(form->windowTitle().contains("Die"));
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_TRUE(messages.shown().back().text.startsWith("Should Sternwerk"))
      << messages.shown().back().text.toStdString();
  QPushButton* halt = Child<QPushButton>(*form, "haltButton");
  const QString running = halt->text();
  halt->click();
  EXPECT_EQ(halt->text(), "&Continue");
  EXPECT_EQ(Child<QLabel>(*form, "statusLabel")->text(), " Chart stopped ");
  halt->click();
  EXPECT_EQ(halt->text(), running);
  const QString sources = Child<QPlainTextEdit>(*form, "sourceText")->toPlainText();
  EXPECT_TRUE(sources.contains("\"Positions (precise)\" or \"Positions (own only)\"") &&
              !sources.contains("Positionen"));
}

// The start's question and font message are set in lines of their own; a
// message box must not break them again.
TEST_F(EnglishClockWindow, StartMessagesKeepTheirLinesInAMessageBox) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  StartWindow();
  ASSERT_FALSE(messages.shown().empty());
  const QString fontMessage = MainWindow::tr(start_texts::kFontMissing);
  EXPECT_TRUE(fontMessage.startsWith("The file  Roradoza.TTF")) << fontMessage.toStdString();
  for (const QString& message : {messages.shown().back().text, fontMessage})
    EXPECT_LE(testing::MessageOverhang(message), 0) << message.toStdString();
}

TEST_F(EnglishClockWindow, EveryWeekdayIntervalAndSpeedLineFitsItsLabel) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  StartWindow();
  const auto expectFits = [&](const char* name, const std::string& text) {
    const QLabel* label = Child<QLabel>(*form, name);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromLatin1(text)), label->width())
        << text << " in " << name;
  };
  EXPECT_TRUE(Child<QLabel>(*form, "timeLabel")->text().endsWith(" UT"));
  for (int day = 7; day < 14; ++day) {  // 7 to 13 December 2026: every weekday
    expectFits("dateLabel", WeekdayName(2026, 12, day) + ", " + DateText(day, 12, 2026));
  }
  expectFits("timeLabel", FormatUniversalHours(23 + 59 / 60.0));
  ClockSettings settings;
  settings.intervalMinutes = 1439;
  for (StepMode mode : {StepMode::kRealTime, StepMode::kMinutes, StepMode::kDay, StepMode::kWeek,
                        StepMode::kMonth, StepMode::kYear}) {
    settings.stepMode = mode;
    expectFits("intervalLabel", IntervalText(settings));
  }
  expectFits("speedLabel", SpeedText(-20));
}

TEST_F(EnglishClockWindow, NoEnglishSearchBannerIsWiderThanTheGermanOne) {
  StartWindow();
  const QFontMetrics metrics = Child<QLabel>(*form, "searchProgressLabel")->fontMetrics();
  const auto width = [&](EventKind kind, bool atHorizon) {
    return metrics.horizontalAdvance(
        QString::fromStdString(SearchProgressText(kind, kSaturn, atHorizon)));
  };
  const std::vector<EventKind> kinds = {EventKind::kRise, EventKind::kSet, EventKind::kCulmination,
                                        EventKind::kFullMoon, EventKind::kNewMoon};
  std::vector<int> german;
  for (EventKind kind : kinds) german.push_back(std::max(width(kind, false), width(kind, true)));
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_LE(width(kinds[i], false), german[i]) << SearchProgressText(kinds[i], kSaturn, false);
    EXPECT_LE(width(kinds[i], true), german[i]) << SearchProgressText(kinds[i], kSaturn, true);
  }
}

// The legends name factors and signs in English, the signs by the codes
// the English position list shows, and stay clear of each other.
TEST_F(EnglishClockWindow, LegendsNameFactorsAndSignsInEnglishSideBySide) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  messages.SetDefaultAnswer(true);  // all 22 factors
  StartWindow();
  const auto memoLines = [&](const char* name) {
    return Child<QTextEdit>(*form, name)->toPlainText().split('\n');
  };
  const QStringList factors = memoLines("allFactorNames");
  EXPECT_TRUE(factors.contains("Neptune"));
  EXPECT_TRUE(factors.contains("Lunar node"));
  const QStringList signs = memoLines("allSignNames");
  ASSERT_EQ(signs.size(), 13);
  for (int sign = 0; sign < 12; ++sign) {
    EXPECT_TRUE(signs[sign].startsWith(QString::fromStdString(ShownSignAbbreviation(sign)) + " "))
        << signs[sign].toStdString();
  }
  EXPECT_EQ(signs[0], "ARI  Aries");
  EXPECT_EQ(signs[12].simplified(), "GC Galactic Centre");
  const QRect factorArea = Child<QTextEdit>(*form, "allFactorGlyphs")
                               ->geometry()
                               .united(Child<QTextEdit>(*form, "allFactorNames")->geometry());
  const QRect signArea = Child<QTextEdit>(*form, "allSignGlyphs")
                             ->geometry()
                             .united(Child<QTextEdit>(*form, "allSignNames")->geometry());
  EXPECT_FALSE(factorArea.intersects(signArea));
  EXPECT_TRUE(form->rect().contains(signArea));
}

}  // namespace
}  // namespace sternwerk
