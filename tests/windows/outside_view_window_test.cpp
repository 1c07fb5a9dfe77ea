// The outside view opened from the enlarged chart: the chart's buttons held
// back while it is open, the title completed once per opening, draus.wmf
// present while it is open and gone after, the help text, printing into a
// PDF, and an unwritable draus.wmf. Message boxes are recorded; the print
// dialog is replaced by a PDF file.
#include "windows/outside_view_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "tests/support/chart_test_support.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temporary_directory.h"
#include "tests/support/wmf_reader.h"
#include "tests/windows/chart_windows.h"
#include "tests/windows/pdf_text.h"
#include "windows/chart_help_window.h"
#include "windows/enlarged_chart_window.h"

namespace sternwerk {
namespace {

namespace fs = std::filesystem;

const QStringList kOutsideViewHelp = {
    QStringLiteral(
        " Auch in dieser Darstellung ist die grüne Linie die Verlängerung des Längengrades, MC der "
        "Schnittpunkt mit der Ekliptik = Blickrichtung nach Süden."),
    QStringLiteral(" Die linke rote Linie stellt den Ost-Horizont dar = Aufgangs-Linie (Ascendent) "
                   "und die rechte den West-Horizont = Untergangs-Linie (Decendent). "),
    QStringLiteral(" Da beide also die Sichtbarkeitsgrenzen für Sonne, Mond und Planeten bilden, "
                   "sind sie hier auch die festen Bild- oder Darstellungs-Grenzen."),
    QStringLiteral(""),
    QStringLiteral(" Wie an den beiden Kreisdiagrammen zu erkennen, verändert die rote AS-Linie im "
                   "Laufe eines Tages ihre Lage gegenüber MC  -Drehung der Erde"),
    QStringLiteral(" um ihre Achse-  und ebenso auch abhängig von der Jahreszeit  -mit der "
                   "Bewegung der Erde um die Sonne. "),
    QStringLiteral(" Wegen der Fixierung der Horizontlinien als Bildgrenzen steht MC in dieser "
                   "Darstellung also nicht fest in der Bildmitte, repräsentiert aber immer Süd."),
    QStringLiteral(""),
    QStringLiteral(" Die Tagesbewegung erkennen Sie gut beim Vergleich von Sonnen-Aufgang und "
                   "-Untergang; den Jahreszeit-Unterschied bei einem Vergleich der"),
    QStringLiteral(" relativen Lage von AS z.B. bei Sonnenaufgängen im Juni und Dezember: AS bei "
                   "Sonnenaufgang im Sommer weit von MC, im Winter sehr nah."),
};
const QString kStoredTitle = QString(44, ' ') + "Der Blick nach draußen ";

class OutsideView : public testing::ChartWindows {
 protected:
  OutsideView() : ChartWindows("NM 04.04.2000 18:02:30") {}

  fs::path File(const std::string& name) const { return directory.path() / name; }
};

TEST_F(OutsideView, OpensWithTheChartsButtonsHeldBackAndCleansUpWhenClosed) {
  EXPECT_EQ(outside.windowTitle(), kStoredTitle);
  for (const Qt::Key closeKey : {Qt::Key_Escape, Qt::Key_Return}) {
    OpenOutsideView(
        [&] {
          EXPECT_EQ(outside.windowTitle(),
                    kStoredTitle + "  am Mo, 07.12.2026  um 14:05:09 WZ/GMT");
          for (QPushButton* b : {chart.backButton, chart.saveButton, chart.printButton,
                                 chart.outsideViewButton, chart.helpButton, chart.exportButton}) {
            EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
          }
          EXPECT_TRUE(chart.printerHelpButton->isEnabled());
          const Outcome<Picture> file = LoadWmfFile(File("draus.wmf").string());
          ASSERT_TRUE(file.ok()) << file.error();
          EXPECT_EQ(file.value().width(), 790);
          EXPECT_EQ(file.value().height(), 235);
          EXPECT_EQ(file.value().Texts().size(), outside.view()->Texts().size());
          // The navy window shows through; the AS line is red.
          const QImage shown = outside.grab().toImage();
          EXPECT_EQ(shown.pixelColor(400, 180), QColor(0, 0, 128));
          EXPECT_EQ(shown.pixelColor(33, 150), QColor(255, 0, 0));
        },
        closeKey);
    EXPECT_EQ(outside.windowTitle(), kStoredTitle);
    EXPECT_FALSE(fs::exists(File("draus.wmf")));
    for (QPushButton* b : {chart.backButton, chart.saveButton, chart.printButton,
                           chart.outsideViewButton, chart.helpButton, chart.exportButton}) {
      EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
    }
  }
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(OutsideView, HelpTextIsShownAndHiddenAndStaysSoForTheNextOpening) {
  EXPECT_EQ(outside.helpText->toPlainText().split('\n').mid(0, kOutsideViewHelp.size()),
            kOutsideViewHelp);
  EXPECT_EQ(outside.helpButton->toolTip(), " Öffnet und schließt das Hilfe-Fenster ");
  OpenOutsideView([&] {
    EXPECT_FALSE(outside.helpText->isVisible());
    outside.helpButton->click();
    EXPECT_TRUE(outside.helpText->isVisible());
  });
  OpenOutsideView([&] {
    EXPECT_TRUE(outside.helpText->isVisible());
    outside.helpButton->click();
    EXPECT_FALSE(outside.helpText->isVisible());
  });
}

// The help's explanation of the degree marks says what the view draws: its
// scale from the two horizon lines 180 degrees apart, the spacing of the red
// marks between them. Every wrapped line of the help shows whole.
TEST_F(OutsideView, HelpExplainsTheDegreeMarksAsDrawnAndShowsEveryLine) {
  OpenOutsideView([&] {
    outside.helpButton->click();
    QCoreApplication::processEvents();
    std::vector<int> horizons, marks;
    for (const LineOp& line : outside.view()->Lines()) {
      if (line.pen.color != kRed) continue;
      (line.pen.width > 1 ? horizons : marks).push_back(line.from.x);
    }
    ASSERT_EQ(horizons.size(), 2u);
    ASSERT_GE(marks.size(), 2u);
    std::sort(marks.begin(), marks.end());
    const int pixelsPerDegree = std::abs(horizons[1] - horizons[0]) / 180;
    const int markDegrees = (marks[1] - marks[0]) / pixelsPerDegree;
    const QString shownHelp = outside.helpText->toPlainText().simplified();
    EXPECT_TRUE(shownHelp.contains(QString("%1 Bildpunkte je Grad").arg(pixelsPerDegree)));
    EXPECT_TRUE(shownHelp.contains(QString("alle %1° ab AS").arg(markDegrees)));
    EXPECT_TRUE(shownHelp.contains(QString("(%1° bis %2°)")
                                       .arg(markDegrees)
                                       .arg(markDegrees * static_cast<int>(marks.size()))));
    EXPECT_TRUE(shownHelp.contains("Abstand von MC"));

    QTextCursor cursor(outside.helpText->document());
    cursor.movePosition(QTextCursor::End);
    const QRect last = outside.helpText->cursorRect(cursor);
    EXPECT_EQ(outside.helpText->verticalScrollBar()->maximum(), 0) << "the help scrolls";
    EXPECT_LE(last.bottom(), outside.helpText->viewport()->height());
    EXPECT_LE(outside.helpText->geometry().bottom(), outside.backButton->y());
  });
}

TEST_F(OutsideView, PrintsTheViewBelowItsHeaderAndTheSearchResult) {
  const fs::path pdf = File("outside.pdf");
  outside.printerChoice = std::make_unique<PdfFileChoice>(QString::fromStdString(pdf.string()));
  OpenOutsideView([&] {
    EXPECT_EQ(outside.handOver.printPageWidth, 4800);
    outside.printButton->click();
  });
  const QString text = testing::PdfText(pdf);
  EXPECT_TRUE(text.contains(QRegularExpression(
      "Datum / Zeit: Mo, 07\\.12\\.2026 / 14:05:09 WZ/GMT +Ort: 013°22' E, 52°33' N")))
      << text.toStdString();
  EXPECT_TRUE(text.contains("NM 04.04.2000 18:02:30"));
  EXPECT_TRUE(text.contains(QRegularExpression("Abstand zu MC: +90°")));
  EXPECT_EQ(testing::PdfTitle(pdf), "Sternwerk - Draußen-Ansicht 07.12.2026 14:05:09");
  EXPECT_TRUE(messages.shown().empty());

  outside.printerChoice = std::make_unique<PdfFileChoice>(QString());
  OpenOutsideView([&] { outside.printButton->click(); });
  // Only the chart's img.wmf and the first print remain.
  EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), {}), 2);
}

TEST_F(OutsideView, UnwritableFileIsReportedOncePerOpeningAndTheViewStillPrints) {
  fs::create_directory(File("draus.wmf"));
  const fs::path pdf = File("outside.pdf");
  outside.printerChoice = std::make_unique<PdfFileChoice>(QString::fromStdString(pdf.string()));
  for (int opening = 1; opening <= 2; ++opening) {
    OpenOutsideView([&] {
      for (int i = 0; i < 3; ++i) outside.repaint();
      QCoreApplication::processEvents();
      EXPECT_EQ(outside.grab().toImage().pixelColor(33, 150), QColor(255, 0, 0));
      outside.printButton->click();
    });
    ASSERT_EQ(messages.shown().size(), static_cast<std::size_t>(opening));
    EXPECT_EQ(messages.shown().back().kind, MessageKind::kError);
    EXPECT_TRUE(messages.shown().back().text.contains("draus.wmf"));
  }
  EXPECT_TRUE(testing::PdfText(pdf).contains("WZ/GMT"));
  EXPECT_TRUE(fs::is_directory(File("draus.wmf")));  // not ours to remove
}

TEST_F(OutsideView, ChartHelpOpensFromTheChart) {
  bool opened = false;
  QTimer::singleShot(0, &help, [&] {
    opened = help.isVisible();
    help.backButton->click();
  });
  chart.helpButton->click();
  EXPECT_TRUE(opened);
  EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace sternwerk
