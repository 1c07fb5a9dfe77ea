#include "charts/chart_printing.h"

#include "base/translation.h"
#include "charts/chart_print_page.h"
#include "platform/printing.h"

namespace sternwerk {

QString ChartJobName(const SkyState& sky) {
  return PrintJobName(QString::fromStdString(Translated(
                          "sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Diagramm"))),
                      InstantOf(sky));
}

Status PaintChartPage(QPagedPaintDevice& device, std::shared_ptr<const Picture> chart,
                      const SkyState& sky, const DisplayOptions& options, const ChartTexts& texts,
                      int pageWidth, const ChartAstrology& astrology) {
  std::vector<Picture> pages = {
      ChartPrintPicture(std::move(chart), sky, options, texts, astrology)};
  for (Picture& page : AspectListPages(sky, astrology)) pages.push_back(std::move(page));
  return PrintPictures(device, pages, QRectF(0, 0, pageWidth, pageWidth));
}

Status PrintChart(QPrinter& printer, std::shared_ptr<const Picture> chart, const SkyState& sky,
                  const DisplayOptions& options, const ChartTexts& texts,
                  const ChartAstrology& astrology) {
  printer.setDocName(ChartJobName(sky));
  return PaintChartPage(printer, std::move(chart), sky, options, texts, PrintableWidth(printer),
                        astrology);
}

}  // namespace sternwerk
