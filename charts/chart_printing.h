// Printing the enlarged chart with its header and position list on one page,
// and the aspect list on the pages after it when aspects are shown.
#pragma once

#include <QPrinter>
#include <memory>

#include "astrology/chart_astrology.h"
#include "base/outcome.h"
#include "charts/enlarged_chart_drawing.h"
#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "platform/picture.h"

namespace sternwerk {

// The name of the chart's print job and the title of its PDF: "Sternwerk -
// Diagramm" and the sky's instant.
QString ChartJobName(const SkyState& sky);

// Paints the chart's page (ChartPrintPicture) on a printer or PDF writer
// with the chart's square stretched over (0, 0)-(pageWidth, pageWidth)
// device pixels; the header and the list below it follow at the same scale.
// The aspect list's pages (AspectListPages) follow at that scale too.
Status PaintChartPage(QPagedPaintDevice& device, std::shared_ptr<const Picture> chart,
                      const SkyState& sky, const DisplayOptions& options, const ChartTexts& texts,
                      int pageWidth, const ChartAstrology& astrology = {});

// Prints the chart's page (PaintChartPage) in a job named ChartJobName, the
// chart's square as wide as the printable area of the job's page at the
// job's resolution.
Status PrintChart(QPrinter& printer, std::shared_ptr<const Picture> chart, const SkyState& sky,
                  const DisplayOptions& options, const ChartTexts& texts,
                  const ChartAstrology& astrology = {});

}  // namespace sternwerk
