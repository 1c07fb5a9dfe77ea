// The printed page of the enlarged chart: the chart, and below it a header
// line and the list of the factors' positions, all in the chart's units;
// with houses and aspects shown also the house cusps there, and the aspect
// list on the pages after it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "astrology/chart_astrology.h"
#include "charts/enlarged_chart_drawing.h"
#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "platform/picture.h"

namespace sternwerk {

// One entry of the printed position list and where it goes.
struct PrintListEntry {
  Point at;
  std::string text;  // Windows-1252
};

// The factor set's entries: with all 22 factors numbers 0..22 in four
// columns of six ("SO 15°23'45  STI", the others to the minute, " R " before
// retrograde ones); otherwise numbers 0..13 without the node in one column
// ("MC  123°45'12\"").
std::vector<PrintListEntry> PrintListEntries(const SkyState& sky, const DisplayOptions& options);

// The house cusps' entries below the chart, in the position list's form
// (HouseLines) and font, then the system's name and the note: beside the
// twelve factors' column, or below the 22 factors' columns in two columns
// of six. None without cusps but the note.
std::vector<PrintListEntry> PrintHouseEntries(const ChartAstrology& astrology, bool transplutonian);

// The page as a picture of the chart's nominal size: the chart stretched
// over it, the header line and the position list below its frame, and for
// a named place its local time between the frame and the header; the house
// entries where `astrology` has cusps or a note.
Picture ChartPrintPicture(std::shared_ptr<const Picture> chart, const SkyState& sky,
                          const DisplayOptions& options, const ChartTexts& texts,
                          const ChartAstrology& astrology = {});

// The pages after the chart's, each a picture of the chart's nominal width
// like the chart's page: a heading with the instant, then the aspect list
// (AspectLine) in two columns. None without aspects.
std::vector<Picture> AspectListPages(const SkyState& sky, const ChartAstrology& astrology);

}  // namespace sternwerk
