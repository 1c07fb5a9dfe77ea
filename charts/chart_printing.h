// Printing the enlarged chart with its header and position list on one page.
#pragma once

#include <QPrinter>
#include <memory>

#include "base/outcome.h"
#include "charts/display_options.h"
#include "charts/enlarged_chart_drawing.h"
#include "engine/sky_state.h"
#include "platform/picture.h"

namespace sternwerk {

// Prints the chart's page (ChartPrintPicture) with the chart's square
// stretched over (0, 0)-(pageWidth, pageWidth) printer pixels; the header
// and the list below it follow at the same scale. One page, in a job named
// "Sternwerk – Diagramm" and the sky's instant.
Status PrintChart(QPrinter& printer, std::shared_ptr<const Picture> chart, const SkyState& sky,
                  const DisplayOptions& options, const ChartTexts& texts, int pageWidth);

}  // namespace sternwerk
