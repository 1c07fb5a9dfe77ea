// The enlarged chart and the outside view written to a file in the format
// its name ends in, the same for sternwerk-sky (--chart, --outside) and for
// the windows' "Exportieren …": a picture the chart's or the view's size in
// .png, .svg or .wmf, or a PDF.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "astrology/chart_astrology.h"
#include "base/outcome.h"
#include "charts/enlarged_chart_drawing.h"
#include "charts/outside_view_drawing.h"
#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "platform/colors.h"
#include "platform/picture.h"
#include "platform/picture_file.h"

namespace sternwerk {

// The outside view's files show the view on the navy of its window.
inline constexpr PictureExtent kOutsideViewExtent{kOutsideViewWidth, kOutsideViewHeight};
inline constexpr Rgb kOutsideViewBackground = kNavy;

// True when the path ends in .pdf, in any case.
bool NamesPdf(std::string_view path);

// The chart as a picture of its square in .png, .svg or .wmf; as a PDF its
// printed pages (PaintChartPage, with the houses and aspects of
// `astrology`) on the page of a PDF printer, titled with ChartJobName. The
// failure names the file and the reason.
Status SaveChartFile(std::shared_ptr<const Picture> chart, const SkyState& sky,
                     const DisplayOptions& options, const ChartTexts& texts,
                     const std::string& path, const ChartAstrology& astrology = {});

// The outside view in .png, .svg or .wmf, or as a PDF page the view's size.
Status SaveOutsideViewFile(const Picture& view, const std::string& path);

}  // namespace sternwerk
