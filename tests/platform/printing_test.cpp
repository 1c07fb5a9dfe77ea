#include "platform/printing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/canvas.h"
#include "platform/text_print_stream.h"

namespace sternwerk {
namespace {

// The text of a PDF file, pages separated by form feeds.
QString PdfText(const QString& path) {
  QProcess process;
  process.start("pdftotext", {"-layout", path, "-"});
  EXPECT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(PrintPageSize, RoundsDownToHundredsAndAddsAHundred) {
  EXPECT_EQ(RoundedPageDimension(4961), 5000);
  EXPECT_EQ(RoundedPageDimension(4900), 5000);
  EXPECT_EQ(RoundedPageDimension(4899), 4900);
  EXPECT_EQ(RoundedPageDimension(7016), 7100);
  EXPECT_EQ(RoundedPageDimension(0), 100);
}

TEST(PrintPageSize, WithoutAPrinterAnA4PageAt600Dpi) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer exists";
  EXPECT_EQ(PrintPageSize(), QSize(5000, 7100));
}

TEST(PrinterChoice, CancelledDialogAndPdfFile) {
  QPrinter printer;
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      dialog->reject();
    }
  });
  EXPECT_FALSE(PrintDialogChoice().Choose(printer));
  EXPECT_FALSE(PdfFileChoice("").Choose(printer));
  EXPECT_TRUE(PdfFileChoice("/tmp/x.pdf").Choose(printer));
  EXPECT_EQ(printer.outputFileName(), "/tmp/x.pdf");
}

TEST(PrintPicture, ThePictureAndTheLinesBelowItsFrameReachThePage) {
  Picture chart(740, 740);
  Canvas canvas(chart);
  canvas.Rectangle(0, 0, 740, 740);
  canvas.font.face = "Arial";
  canvas.font.size = 9;
  canvas.TextOut(10, 10, "Datum / Zeit: Mo, 07.12.2026 / 14:05:09 WZ/GMT");
  canvas.TextOut(270, 10,
                 "Ort: 010\xB0"
                 "00' E, 50\xB0"
                 "00' N");
  canvas.font.face = "courier new";
  canvas.TextOut(35, 800,
                 "   SO 15\xB0"
                 "23'45  STI");

  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  ASSERT_TRUE(PdfFileChoice(dir.filePath("chart.pdf")).Choose(printer));
  const int width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
  ASSERT_TRUE(PrintPicture(printer, chart, QRectF(0, 0, width, width)).ok());

  const QString text = PdfText(dir.filePath("chart.pdf"));
  EXPECT_EQ(text.count('\f'), 1);           // one page
  const QString words = text.simplified();  // the layout's spacing varies
  EXPECT_TRUE(words.contains("Datum / Zeit: Mo, 07.12.2026 / 14:05:09 WZ/GMT"))
      << text.toStdString();
  EXPECT_TRUE(words.contains("Ort: 010°00' E, 50°00' N")) << text.toStdString();
  EXPECT_TRUE(words.contains("SO 15°23'45 STI")) << text.toStdString();
}

TEST(TextPrintStream, PrintsEveryLineInOrderAndBreaksFullPages) {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  ASSERT_TRUE(PdfFileChoice(dir.filePath("help.pdf")).Choose(printer));
  TextPrintStream stream(printer);
  const int lines = 200;
  for (int i = 1; i <= lines; ++i) stream.WriteLine(QString("        Zeile %1 der Hilfe").arg(i));
  ASSERT_TRUE(stream.Close().ok());

  const QString text = PdfText(dir.filePath("help.pdf"));
  const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
  ASSERT_GE(pages.size(), 2);  // 9-point lines: about 80 to an A4 page
  EXPECT_LE(pages.size(), 4);
  qsizetype position = 0;
  for (int i = 1; i <= lines; ++i) {
    const qsizetype found = text.indexOf(QString("Zeile %1 der").arg(i), position);
    ASSERT_GE(found, 0) << "line " << i;
    position = found;
  }
  EXPECT_TRUE(pages.first().contains("Zeile 1 der"));
  EXPECT_TRUE(pages.last().contains(QString("Zeile %1 der").arg(lines)));
}

}  // namespace
}  // namespace sternwerk
