// The enlarged chart window driven with clicks and keys: the chart on the
// window, the clipboard and in img.wmf, numbered copies, the clean-up at
// close, printing into a PDF and the printer advice. Message boxes are
// recorded; the print dialog is replaced by a PDF file.
#include "windows/enlarged_chart_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "charts/chart_printing.h"
#include "platform/clipboard.h"
#include "platform/operation_bounds.h"
#include "tests/support/chart_test_support.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temporary_directory.h"
#include "tests/support/wmf_reader.h"
#include "tests/windows/pdf_text.h"

namespace sternwerk {
namespace {

namespace fs = std::filesystem;

using testing::PdfText;

class ChartWindow : public ::testing::Test {
 protected:
  void Open(bool allFactors = false) {
    sky = testing::ChartSkyWith({{kSun, 45.396}}, allFactors);
    Show();
  }
  // Shows the window over the sky as it is.
  void Show() {
    window = std::make_unique<EnlargedChartWindow>(sky, sky.options, messages, directory.path());
    window->handOver.texts = {
        "010\xB0"
        "00' E, 50\xB0"
        "00' N",
        "", ""};
    window->handOver.printPageWidth = 5000;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
  }
  bool Exists(const std::string& name) const { return fs::exists(directory.path() / name); }

  testing::TemporaryDirectory directory;
  RecordingMessages messages;
  testing::ShownSky sky;
  std::unique_ptr<EnlargedChartWindow> window;
};

TEST_F(ChartWindow, ShowsTheChartOnTheClipboardAndInTheWorkingFile) {
  Open();
  EXPECT_EQ(window->windowTitle(), QString(66, ' ') + "Diagramm-Vergrößerung");
  EXPECT_EQ(window->size(), QSize(866, 740));
  ASSERT_TRUE(window->chart());
  const Outcome<Picture> file = LoadWmfFile((directory.path() / "img.wmf").string());
  ASSERT_TRUE(file.ok()) << file.error();
  EXPECT_EQ(file.value().width(), 740);
  EXPECT_EQ(file.value().Texts().size(), window->chart()->Texts().size());
  EXPECT_NE(dynamic_cast<const PictureMimeData*>(QApplication::clipboard()->mimeData()), nullptr);

  const QImage shown = window->grab().toImage();
  EXPECT_EQ(shown.pixelColor(20, 600), QColor(Qt::white));  // outside circles and labels
  EXPECT_EQ(shown.pixelColor(0, 300), QColor(Qt::black));   // the frame
  EXPECT_TRUE(messages.shown().empty());
}

// Without houses and aspects the chart is the astronomer's, operation for
// operation, in the window of its old size; with them the layer follows
// the chart's own operations and the aspect list stands beside the
// buttons, free of them, headed by the note where Placidus is undefined.
TEST_F(ChartWindow, HousesAndAspectsAreALayerAndAListBesideTheButtons) {
  struct Case {
    bool shown;
    double latitude;
    const char* firstListed;  // the start of the list's first line
  };
  for (const Case c : {Case{false, 50, ""}, Case{true, 50, "MC "},
                       Case{true, 75, "Placidus ist in dieser Breite nicht definiert"}}) {
    sky = testing::ChartSkyWith({{kSun, 45.396}});
    sky.latitude = c.latitude;
    window = std::make_unique<EnlargedChartWindow>(sky, sky.options, messages, directory.path());
    window->handOver.astrology.shown = c.shown;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const Picture chart = testing::ChartOf(sky);
    const std::vector<Operation>& plain = chart.operations();
    const std::vector<Operation>& drawn = window->chart()->operations();
    ASSERT_GE(drawn.size(), plain.size());
    EXPECT_EQ(drawn.size() > plain.size(), c.shown);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), drawn.begin()));
    EXPECT_EQ(window->aspectList->isVisible(), c.shown);
    if (!c.shown) {
      EXPECT_EQ(window->size(), QSize(866, 740));
      continue;
    }
    EXPECT_TRUE(window->aspectList->toPlainText().startsWith(QString::fromUtf8(c.firstListed)))
        << window->aspectList->toPlainText().toStdString();
    EXPECT_GT(window->aspectList->x(), window->backButton->geometry().right());
    EXPECT_TRUE(window->rect().contains(window->aspectList->geometry()));
    const QPlainTextEdit* list = window->aspectList;  // each aspect's line whole
    for (const QString& line : list->toPlainText().split('\n')) {
      if (!line.contains(QRegularExpression("^[A-Z]{2} [A-Z]{2} "))) continue;
      EXPECT_LE(list->fontMetrics().horizontalAdvance(line), list->viewport()->width())
          << line.toStdString();
    }
    window->backButton->click();
  }
}

TEST_F(ChartWindow, ButtonsCaptionsAndHints) {
  Open();
  EXPECT_EQ(window->backButton->text(), "&Zurück");
  EXPECT_TRUE(window->backButton->font().bold());
  EXPECT_EQ(window->saveButton->text(), "&Speichern");
  EXPECT_EQ(window->printButton->text(), "&Drucken");
  EXPECT_EQ(window->outsideViewButton->text(), "Draußen-&Ansicht");
  EXPECT_EQ(window->printerHelpButton->text(), "Drucker-Hilfe");
  EXPECT_EQ(window->helpButton->text(), "&Hilfe");
  EXPECT_TRUE(window->backButton->toolTip().isEmpty());
  EXPECT_TRUE(window->printerHelpButton->toolTip().isEmpty());
  EXPECT_EQ(window->printButton->toolTip(),
            " Druckt das Diagramm in der dargestellten Form sowie die aktuelle Faktorenliste ");
}

// The Moon at 270 degrees, the chart's bottom, with every other factor
// crowded about it so that the labels fill every ring there: no button
// covers a label, in letters or in glyphs, nor anything else of the chart.
TEST_F(ChartWindow, NoButtonCoversAFactorDrawnAtTheChartsBottom) {
  for (const bool symbols : {false, true}) {
    sky = testing::ChartSkyWith({}, true, symbols);
    for (int factor = 0; factor < kFactorSlots; ++factor)
      sky.longitudes[factor] = factor == kMoon ? 270 : 262 + factor % 9 * 2;
    Show();
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
      EXPECT_FALSE(button->geometry().intersects({0, 0, kChartSize, kChartSize}));
      for (const TextOp& label : testing::FactorLabels(*window->chart()))
        EXPECT_FALSE(button->geometry().intersects(OperationBounds(label))) << label.text;
    }
  }
}

TEST_F(ChartWindow, SavesNumberedCopiesAndCleansUpWhenClosedByEscape) {
  Open();
  window->saveButton->click();
  window->saveButton->click();
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].kind, MessageKind::kInformation);
  // The folder is named whole, so that the copy can be found.
  EXPECT_EQ(messages.shown()[1].text.toStdString(),
            "Das Diagramm wurde als Windows-Metafile gespeichert in  RURed-02.WMF  im Ordner  " +
                fs::absolute(directory.path()).lexically_normal().string() + ".");
  EXPECT_TRUE(Exists("RURed-01.WMF"));

  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(Exists("img.wmf"));
  EXPECT_TRUE(Exists("RURed-02.WMF"));

  // The next visit continues the numbers; a visit without saving leaves nothing.
  window->show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Exists("img.wmf"));
  window->saveButton->click();
  EXPECT_TRUE(Exists("RURed-03.WMF"));
  window->backButton->click();
  window->show();
  QCoreApplication::processEvents();
  window->backButton->click();
  EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), {}), 3);
}

TEST_F(ChartWindow, GarbageInImgWmfBeforeSavingLeavesTheSavedCopiesWhole) {
  Open();
  std::ofstream(directory.path() / "img.wmf", std::ios::trunc | std::ios::binary)
      << "\x01\xff junk";
  window->saveButton->click();
  std::ofstream(directory.path() / "img.wmf", std::ios::trunc | std::ios::binary) << "junk";
  window->backButton->click();
  const Outcome<Picture> copy = LoadWmfFile((directory.path() / "RURed-01.WMF").string());
  ASSERT_TRUE(copy.ok()) << copy.error();
  EXPECT_EQ(copy.value().Texts().size(), window->chart()->Texts().size());
  EXPECT_FALSE(Exists("img.wmf"));
}

TEST_F(ChartWindow, PrinterAdviceForTheStartPageWidth) {
  Open();
  window->printerHelpButton->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kPlain);
  EXPECT_EQ(messages.shown()[0].title,
            "       Falls das Diagramm nicht seitenfüllend oder zu groß gedruckt wird:");
  EXPECT_TRUE(messages.shown()[0].text.contains(
      "Ihr Drucker ist eingestellt auf 5000 Pixel\r                            Papierbreite = 600 "
      "Pixel pro Inch."));
  EXPECT_TRUE(messages.shown()[0].text.contains("Taste  ´Drucken´  im"));

  // A message box re-wraps a line wider than about 500 pixels less its
  // margins; every line, indent included, stays below that.
  constexpr int kWidestUnwrapped = 460;
  const QFontMetrics metrics(QApplication::font("QMessageBox"));
  for (const QString& line : messages.shown()[0].text.split(QLatin1Char('\r'))) {
    EXPECT_LE(metrics.horizontalAdvance(line), kWidestUnwrapped) << line.toStdString();
  }
}

TEST_F(ChartWindow, PrintsHeaderAndAllPositionsIntoAPdf) {
  for (const bool allFactors : {true, false}) {
    Open(allFactors);
    const fs::path pdf = directory.path() / (allFactors ? "all.pdf" : "twelve.pdf");
    window->printerChoice = std::make_unique<PdfFileChoice>(QString::fromStdString(pdf.string()));
    window->printButton->click();
    EXPECT_TRUE(messages.shown().empty());
    const QString text = PdfText(pdf);
    // pdftotext lays blanks out by position, so runs of blanks match loosely.
    EXPECT_TRUE(text.contains(QRegularExpression(
        "Datum / Zeit: Mo, 07\\.12\\.2026 / 14:05:09 WZ/GMT +Ort: 010°00' E, 50°00' N")))
        << text.toStdString();
    // List entries: a code, blanks, then an angle.
    const QRegularExpression entry(allFactors ? "\\b[A-Z]{2} +\\d\\d°\\d\\d'"
                                              : "\\b[A-Z]{2} +\\d\\d\\d°\\d\\d'\\d\\d\"");
    EXPECT_EQ(text.count(entry), allFactors ? 23 : 13) << text.toStdString();
    EXPECT_TRUE(
        text.contains(QRegularExpression(allFactors ? "SO +15°23'45 +STI" : "SO +045°23'45\"")));
    window->backButton->click();
  }
}

TEST_F(ChartWindow, CancelledPrintDialogPrintsNothing) {
  Open();
  window->printerChoice = std::make_unique<PdfFileChoice>(QString());
  window->printButton->click();
  EXPECT_TRUE(messages.shown().empty());
  window->backButton->click();
  EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), {}), 0);
}

TEST_F(ChartWindow, UnwritableWorkingFileIsReportedOnceAndTheChartStillWorks) {
  fs::create_directory(directory.path() / "img.wmf");
  Open();
  for (int i = 0; i < 3; ++i) window->repaint();
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
  EXPECT_TRUE(messages.shown()[0].text.contains("img.wmf"));
  EXPECT_EQ(window->grab().toImage().pixelColor(0, 300), QColor(Qt::black));

  window->saveButton->click();
  EXPECT_TRUE(LoadWmfFile((directory.path() / "RURed-01.WMF").string()).ok());
  const fs::path pdf = directory.path() / "chart.pdf";
  window->printerChoice = std::make_unique<PdfFileChoice>(QString::fromStdString(pdf.string()));
  window->printButton->click();
  EXPECT_TRUE(PdfText(pdf).contains("WZ/GMT"));
  window->backButton->click();
  EXPECT_TRUE(Exists("RURed-01.WMF"));

  // The next visit reports it again.
  messages.Clear();
  window->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(messages.shown().size(), 1u);
}

// The left edge, in points, of the first word `word` pdftotext finds in
// the PDF; NaN without one.
double WordLeft(const fs::path& pdf, const QString& word) {
  QProcess process;
  process.start("pdftotext", {"-bbox", QString::fromStdString(pdf.string()), "-"});
  if (!process.waitForFinished(30000)) return NAN;
  const QRegularExpression box("<word xMin=\"([0-9.]+)\"[^>]*>" + QRegularExpression::escape(word) +
                               "</word>");
  const QRegularExpressionMatch found = box.match(process.readAllStandardOutput());
  return found.hasMatch() ? found.captured(1).toDouble() : NAN;
}

// The chart's square spans the printable width of the job's page at any
// resolution: the place text of the header stands at the same point of the
// page at 300, 600 and 1200 dpi, as far right as the chart puts it.
TEST(ChartPrinting, TheChartFillsThePrintableWidthAtEveryResolution) {
  const testing::ShownSky sky = testing::ChartSkyWith({{kSun, 45.396}}, false);
  const ChartTexts texts = {
      "010\xB0"
      "00' E, 50\xB0"
      "00' N",
      "", ""};
  auto chart = std::make_shared<Picture>(testing::ChartOf(sky, texts));
  const std::optional<TextOp> place = testing::TextNamed(*chart, "Ort: " + texts.place);
  ASSERT_TRUE(place);
  testing::TemporaryDirectory directory;
  for (const int dpi : {300, 600, 1200}) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(dpi);
    const fs::path pdf = directory.path() / ("chart-" + std::to_string(dpi) + ".pdf");
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
    ASSERT_TRUE(PrintChart(printer, chart, sky, sky.options, texts).ok());
    const double placeLeft = printable.left() + printable.width() * place->at.x / kChartSize;
    EXPECT_NEAR(WordLeft(pdf, "Ort:"), placeLeft, 2) << dpi << " dpi";
  }
}

}  // namespace
}  // namespace sternwerk
