// The help windows: the given lines verbatim, the introduction's example as
// the engine computes it, look and focus, and the printed lines with their
// indentation, also read back from a PDF.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "engine/calendar.h"
#include "engine/event_search.h"
#include "engine/factors.h"
#include "engine/sky.h"
#include "engine/text_forms.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temporary_directory.h"
#include "tests/windows/pdf_text.h"
#include "windows/chart_help_window.h"
#include "windows/introduction_window.h"

namespace sternwerk {
namespace {

namespace fs = std::filesystem;

const QStringList kSummary = {
    QStringLiteral(" Die Sternwerk zeigt im 360°-Diagramm außen 12 Faktoren/Planeten von MC bis "
                   "Pluto - astrologisch 14 + 8 innen."),
    QStringLiteral(" Nach Betätigung der Taste  ´Halt´  können Sie das Diagramm vergrößern, "
                   "drucken und als  WMF-Datei speichern."),
    QStringLiteral(" Die Uhr arbeitet mit Greenwich/Weltzeit: MEZ/MESZ (Mittel-Europ.(Sommer)-Zeit "
                   "sind also 1 bzw 2 Stunden weiter."),
};
const QStringList kSettings = {
    QStringLiteral("  Die Arbeitsbedingungen der Uhr sind jederzeit änderbar:"),
    QStringLiteral("  - Start-Datum, -Zeit  (WZ/GMT) und -Ort sind frei wählbar (Datum/Zeit/Ort)"),
    QStringLiteral("  - die Schrittweite ist mit Interval einstellbar"),
    QStringLiteral("  - die Geschwindigkeit ist zwischen +/-20 Takten pro Sekunde regelbar"),
    QStringLiteral("    (das bedeutet, die Uhr kann auch rückwärts laufen)"),
    QStringLiteral("  - ´Real-Time´ setzt Datum und Uhrzeit auf System-Datum und -Zeit"),
    QStringLiteral("  - Mit ´Alt-Datum/Zeit´ werden die Werte der letzten Sitzung aufgerufen"),
};
const QStringList kHalted = {
    QStringLiteral("  Nach ´Halt´ werden aktiv:"),
    QStringLiteral("  - Aufgang      )  diese drei Tasten "),
    QStringLiteral("  - Kulmination )  öffnen ein Fenster "),
    QStringLiteral("  - Untergang   )  für die Faktorwahl"),
    QStringLiteral("  - heller Kreis: nächster Vollmond"),
    QStringLiteral("  - dunkler Kreis: nächster Neumond"),
};
const QString kIntroductionFirstLine = QStringLiteral(
    "  Was zeigt das Kreis-Diagramm?     (Wir empfehlen  ´Drucken´  für die weitere Anwendung mit "
    "dem Programm)  ");

QStringList LinesOf(const QPlainTextEdit* box) {
  return box->toPlainText().split(QLatin1Char('\n'));
}

TEST(IntroductionTexts, GivenLinesStandVerbatimAndEveryLineOfTheIntroductionIsIndented) {
  RecordingMessages messages;
  const IntroductionWindow window(messages);
  EXPECT_EQ(LinesOf(window.summaryText), kSummary);
  EXPECT_EQ(LinesOf(window.settingsText), kSettings);
  EXPECT_EQ(LinesOf(window.haltedText), kHalted);
  const QStringList introduction = LinesOf(window.introductionText);
  ASSERT_EQ(introduction.size(), 79);
  EXPECT_EQ(introduction[0], kIntroductionFirstLine);
  for (const QString& line : introduction) {
    if (!line.isEmpty()) {
      EXPECT_TRUE(line.startsWith("  ")) << line.toStdString();
    }
  }
  EXPECT_EQ(window.windowTitle(), QString(33, ' ') +
                                      "Einige einführende Hinweise zu diesem Programm und zum "
                                      "Diagramm");
}

// Degrees and whole minutes as the introduction writes them: "17°19´".
QString DegreesMinutes(double degrees) {
  const int whole = static_cast<int>(degrees);
  const int minutes = static_cast<int>((degrees - whole) * 60);
  return QString("%1°%2´").arg(whole).arg(minutes, 2, 10, QLatin1Char('0'));
}

SkyState BerlinAt(int day, int month, int year, double hours) {
  SkyState sky;
  SetInstant(sky, day, month, year, hours);
  sky.longitude = 13 + 22 / 60.0;
  sky.latitude = 52 + 33 / 60.0;
  ComputeSky(sky);
  return sky;
}

TEST(IntroductionTexts, TheWorkedExampleIsWhatTheEngineComputes) {
  RecordingMessages messages;
  const QString text = IntroductionWindow(messages).introductionText->toPlainText().simplified();

  const SkyState spring = BerlinAt(21, 3, 2000, 12);
  const double sun = spring.longitudes[kSun];
  const double moon = spring.longitudes[kMoon];
  ASSERT_EQ(SignIndex(sun), 0);
  ASSERT_EQ(SignIndex(moon), 6);
  EXPECT_TRUE(text.contains(DegreesMinutes(sun) + " Widder")) << DegreesMinutes(sun).toStdString();
  EXPECT_TRUE(text.contains(DegreesMinutes(moon) + " = " + DegreesMinutes(moon - 180) + " Waage"))
      << DegreesMinutes(moon).toStdString();

  // The next new moon falls on 4 April, at the minute the search reports;
  // there both show the same minute of arc.
  SkyState newMoon = BerlinAt(21, 3, 2000, 12);
  ASSERT_EQ(SearchEvent(newMoon, EventKind::kNewMoon, kMoon), SearchStatus::kFound);
  EXPECT_EQ(newMoon.dateText, "04.04.2000");
  const QString minute = QString::fromStdString(FormatHours(newMoon.hours).substr(0, 5));
  EXPECT_EQ(DegreesMinutes(newMoon.longitudes[kSun]), DegreesMinutes(newMoon.longitudes[kMoon]));
  EXPECT_TRUE(text.contains("04.04.2000 um " + minute)) << minute.toStdString();
  EXPECT_TRUE(text.contains("(04.04.2000, " + minute + ")")) << minute.toStdString();
  EXPECT_TRUE(text.contains(DegreesMinutes(newMoon.longitudes[kSun]) + " Widder"));

  const double mc = newMoon.longitudes[kMC];
  ASSERT_EQ(SignIndex(mc), 3);
  const QString mcDegrees = QString::number(static_cast<int>(mc)) + "°";
  EXPECT_TRUE(text.contains("MC auf " + mcDegrees));
  EXPECT_TRUE(
      text.contains(mcDegrees + " = " + QString::number(static_cast<int>(mc) - 90) + "° Krebs"));
  EXPECT_GT(mc - newMoon.longitudes[kSun], 100);
  EXPECT_TRUE(text.contains("mehr als 100° westlich von MC"));
  // Saturn, Mars and Jupiter stand between the western horizon and the AS.
  const double descendant = std::fmod(newMoon.longitudes[kAscendant] + 180, 360);
  for (const int planet : {kSaturn, kMars, kJupiter}) {
    EXPECT_GT(newMoon.longitudes[planet], descendant);
    EXPECT_LT(newMoon.longitudes[planet], newMoon.longitudes[kAscendant]);
  }
  EXPECT_LT(newMoon.longitudes[kSun], descendant);
}

TEST(ChartHelpTexts, IndentedLinesWithThePrintSaveAndExportParagraphs) {
  RecordingMessages messages;
  const ChartHelpWindow window(messages);
  const QStringList help = LinesOf(window.helpText);
  ASSERT_EQ(help.size(), 37);
  for (const QString& line : help) {
    if (!line.isEmpty()) {
      EXPECT_TRUE(line.startsWith("  ")) << line.toStdString();
    }
  }
  const qsizetype print = help.indexOf("  >> Drucken <<");
  const qsizetype save = help.indexOf("  >> Speichern <<");
  ASSERT_GT(print, 0);
  EXPECT_GT(save, print);
  EXPECT_GT(help.indexOf("  >> Exportieren … <<"), save);
  EXPECT_TRUE(help.join(' ').contains("RURed"));
  EXPECT_FALSE(window.materialText->toPlainText().isEmpty());
  EXPECT_EQ(window.windowTitle(), QString(35, ' ') + "Hilfen zur vergrößerten Diagramm-Anzeige");
}

TEST(HelpWindowsLook, MaroonWindowsTextBoxesWithoutFocusBoldBackButton) {
  RecordingMessages messages;
  IntroductionWindow introduction(messages);
  ChartHelpWindow help(messages);
  EXPECT_EQ(introduction.size(), QSize(792, 550));
  EXPECT_EQ(help.size(), QSize(619, 665));
  EXPECT_EQ(introduction.palette().color(QPalette::Window), QColor(128, 0, 0));
  EXPECT_EQ(introduction.introductionText->geometry(), QRect(0, 159, 792, 363));
  EXPECT_EQ(introduction.introductionText->palette().color(QPalette::Text), QColor(128, 0, 0));
  EXPECT_EQ(introduction.haltedText->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(introduction.printButton->geometry(), QRect(288, 526, 75, 22));
  EXPECT_EQ(help.backButton->geometry(), QRect(318, 642, 75, 22));
  for (const QPlainTextEdit* box : {introduction.summaryText, introduction.settingsText,
                                    introduction.haltedText, help.helpText, help.materialText}) {
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(box->isReadOnly());
    // The stored lines are wrapped at the box's width on screen.
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  }
  for (const HelpWindow* window :
       {static_cast<HelpWindow*>(&introduction), static_cast<HelpWindow*>(&help)}) {
    EXPECT_EQ(window->backButton->text(), "&Zurück");
    EXPECT_TRUE(window->backButton->font().bold());
    EXPECT_EQ(window->printButton->text(), "&Drucken");
  }
}

TEST(HelpWindowsLook, ShowingFocusesTheIntroductionOrTheBackButtonAndEscapeCloses) {
  RecordingMessages messages;
  IntroductionWindow introduction(messages);
  introduction.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&introduction));
  EXPECT_TRUE(introduction.introductionText->hasFocus());
  QTest::keyClick(&introduction, Qt::Key_Escape);
  EXPECT_FALSE(introduction.isVisible());

  ChartHelpWindow help(messages);
  help.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  EXPECT_TRUE(help.backButton->hasFocus());
  QTest::keyClick(&help, Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
}

// The text box lines behind the indentation of their section.
QStringList Indented(const QStringList& lines, int blanks) {
  QStringList indented;
  for (const QString& line : lines) indented.append(QString(blanks, ' ') + line);
  return indented;
}

TEST(HelpPrinting, TextLinesAreIndentedAndSeparatedAsPrinted) {
  RecordingMessages messages;
  const IntroductionWindow introduction(messages);
  QStringList expected = {"", "", ""};
  expected += Indented(kSummary, 8);
  expected += "";
  expected += Indented(kSettings, 17);
  expected += "";
  expected += Indented(kHalted, 17);
  expected += QStringList{"", ""};
  expected += Indented(LinesOf(introduction.introductionText), 8);
  EXPECT_EQ(introduction.PrintLines(), expected);

  const ChartHelpWindow help(messages);
  QStringList helpExpected = {"", "", ""};
  helpExpected += Indented(LinesOf(help.helpText), 8);
  helpExpected += QStringList{"", "", ""};
  helpExpected += Indented(LinesOf(help.materialText), 9);
  helpExpected += "";
  EXPECT_EQ(help.PrintLines(), helpExpected);
}

TEST(HelpPrinting, PrintsEveryLineIntoAPdfAndACancelPrintsNothing) {
  testing::TemporaryDirectory directory;
  RecordingMessages messages;
  IntroductionWindow introduction(messages);
  const fs::path pdf = directory.path() / "introduction.pdf";
  introduction.printerChoice =
      std::make_unique<PdfFileChoice>(QString::fromStdString(pdf.string()));
  introduction.printButton->click();
  // pdftotext lays blanks out by position, so runs of blanks count as one.
  const QString printed = testing::PdfText(pdf).simplified();
  for (const QString& line : introduction.PrintLines()) {
    EXPECT_TRUE(printed.contains(line.simplified())) << line.toStdString();
  }
  // Named for the window and the instant of printing.
  EXPECT_TRUE(testing::PdfTitle(pdf).contains(QRegularExpression(
      "^Sternwerk - " + QRegularExpression::escape(introduction.windowTitle().trimmed()) +
      " \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$")))
      << testing::PdfTitle(pdf).toStdString();
  EXPECT_TRUE(messages.shown().empty());

  ChartHelpWindow help(messages);
  help.printerChoice = std::make_unique<PdfFileChoice>(QString());
  help.printButton->click();
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), {}), 1);
}

}  // namespace
}  // namespace sternwerk
