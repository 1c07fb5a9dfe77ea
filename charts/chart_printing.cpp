#include "charts/chart_printing.h"

#include "charts/chart_print_page.h"
#include "platform/printing.h"

namespace sternwerk {

Status PrintChart(QPrinter& printer, std::shared_ptr<const Picture> chart, const SkyState& sky,
                  const DisplayOptions& options, const ChartTexts& texts, int pageWidth) {
  printer.setDocName(PrintJobName(QStringLiteral("Diagramm"), InstantOf(sky)));
  const Picture page = ChartPrintPicture(std::move(chart), sky, options, texts);
  return PrintPicture(printer, page, QRectF(0, 0, pageWidth, pageWidth));
}

}  // namespace sternwerk
