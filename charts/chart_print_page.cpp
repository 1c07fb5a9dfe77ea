#include "charts/chart_print_page.h"

#include <algorithm>
#include <cmath>

#include "astrology/chart_lines.h"
#include "base/text_encoding.h"
#include "base/translation.h"
#include "engine/factors.h"
#include "engine/text_forms.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/faces.h"

namespace sternwerk {

namespace {

constexpr const char* kListFace = kLowerCourierFace;
constexpr int kListFontSize = 10;
constexpr Point kHeaderCorner{35, 780};
// Between the chart and the header: which computation the positions come
// from, unless the own one.
constexpr Point kComputationCorner{35, 760};
// Right below the chart, above them: the named place's local time.
constexpr Point kPlaceTimeCorner{35, 745};
constexpr int kListTop = 800;
constexpr int kLineHeight = 15;

// All factors: four columns of six entries.
constexpr int kAllFactorsLast = kGZ;
constexpr int kColumnLength = 6;
constexpr int kFirstColumnLeft = 10;
constexpr int kColumnWidth = 160;
// Twelve factors: one column, the node left out.
constexpr int kTwelveFactorsLast = kPluto;
constexpr int kSingleColumnLeft = 35;

// The houses: beside the twelve factors' column, or below the 22 factors'
// columns in two columns of six; the note under all.
constexpr int kHousesBesideLeft = 195;
constexpr int kHousesBelowTop = kListTop + kColumnLength * kLineHeight + kLineHeight;
constexpr int kHouseColumnWidth = 240;
constexpr int kNoteTop = kListTop + 14 * kLineHeight;

// The aspect pages: a heading, then two columns as long as the page
// allows (an A4 page is about 1046 units high at the chart's width).
constexpr Point kAspectHeadingCorner{20, 20};
constexpr int kAspectListTop = 50;
constexpr int kAspectColumnLength = 64;
constexpr int kAspectColumns = 2;
constexpr int kAspectColumnLeft = 20;
constexpr int kAspectColumnWidth = 360;

// The sign's abbreviation, empty for a longitude of 360 or more.
std::string SignOf(double longitude) {
  const int sign = static_cast<int>(std::trunc(longitude / 30));
  if (sign < 0 || sign >= static_cast<int>(kSignAbbreviations.size())) return {};
  return ShownSignAbbreviation(sign);
}

// "   SO 15°23'45  STI", " R ME   03°07'  STE": every entry 19 characters.
std::string AllFactorsEntry(const SkyState& sky, int factor) {
  const double longitude = sky.longitudes[static_cast<std::size_t>(factor)];
  const std::string code = ShownFactorCode(factor);
  const double withinSign = SignDegrees(longitude);
  std::string entry;
  if (factor == kSun) {
    entry = "   " + code + " " + FormatCoordinate(true, withinSign).substr(1, 8);
  } else {
    const bool retrograde = sky.retrograde[static_cast<std::size_t>(factor)];
    entry = (retrograde ? " R " : "   ") + code + "   " +
            FormatCoordinate(false, withinSign).substr(1, 6);
  }
  return entry + "  " + SignOf(longitude);
}

}  // namespace

std::vector<PrintListEntry> PrintListEntries(const SkyState& sky, const DisplayOptions& options) {
  std::vector<PrintListEntry> entries;
  if (options.transplutonian) {
    Point at{kFirstColumnLeft, kListTop};
    for (int factor = 0; factor <= kAllFactorsLast; ++factor) {
      entries.push_back({at, AllFactorsEntry(sky, factor)});
      at.y += kLineHeight;
      if ((factor + 1) % kColumnLength == 0) at = {at.x + kColumnWidth, kListTop};
    }
  } else {
    Point at{kSingleColumnLeft, kListTop};
    for (int factor = 0; factor <= kTwelveFactorsLast; ++factor) {
      if (factor == kLunarNode) continue;
      entries.push_back({at, ShownFactorCode(factor) + "  " +
                                 FormatAngle(3, AngleMode::kFull,
                                             sky.longitudes[static_cast<std::size_t>(factor)])});
      at.y += kLineHeight;
    }
  }
  return entries;
}

std::vector<PrintListEntry> PrintHouseEntries(const ChartAstrology& astrology,
                                              bool transplutonian) {
  std::vector<PrintListEntry> entries;
  if (astrology.houses) {
    const Point first = transplutonian ? Point{kFirstColumnLeft, kHousesBelowTop}
                                       : Point{kHousesBesideLeft, kListTop};
    const int columnLength = transplutonian ? kColumnLength : kHouses;
    Point at = first;
    std::vector<std::string> lines = HouseLines(*astrology.houses);
    lines.push_back(Utf8ToWindows1252("(" + HouseSystemName(astrology.houses->system) + ")"));
    for (std::size_t line = 0; line < lines.size(); ++line) {
      if (line > 0 && line % static_cast<std::size_t>(columnLength) == 0 && line < kHouses)
        at = {at.x + kHouseColumnWidth, first.y};
      entries.push_back({at, lines[line]});
      at.y += kLineHeight;
    }
  }
  if (!astrology.note.empty())
    entries.push_back({{kSingleColumnLeft, kNoteTop}, Utf8ToWindows1252(astrology.note)});
  return entries;
}

Picture ChartPrintPicture(std::shared_ptr<const Picture> chart, const SkyState& sky,
                          const DisplayOptions& options, const ChartTexts& texts,
                          const ChartAstrology& astrology) {
  Picture page(kChartSize, kChartSize);
  Canvas canvas(page);
  canvas.StretchDraw({0, 0, kChartSize, kChartSize}, std::move(chart));
  canvas.brush = Brush{kWhite, true};
  canvas.font = Font{kListFace, kListFontSize, false, kBlack, 0};
  if (options.computation != ComputationUsed::kOwn) {
    canvas.TextOut(
        kComputationCorner.x, kComputationCorner.y,
        Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Positionen: ")) +
            ComputationName(options.computation));
  }
  if (!texts.placeTime.empty()) {
    canvas.TextOut(kPlaceTimeCorner.x, kPlaceTimeCorner.y, texts.placeTime);
  }
  canvas.TextOut(
      kHeaderCorner.x, kHeaderCorner.y,
      ChartInstantText(sky) + "   " +
          Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Ort: ")) +
          texts.place);
  for (const PrintListEntry& entry : PrintListEntries(sky, options)) {
    canvas.TextOut(entry.at.x, entry.at.y, entry.text);
  }
  for (const PrintListEntry& entry : PrintHouseEntries(astrology, options.transplutonian)) {
    canvas.TextOut(entry.at.x, entry.at.y, entry.text);
  }
  return page;
}

std::vector<Picture> AspectListPages(const SkyState& sky, const ChartAstrology& astrology) {
  std::vector<Picture> pages;
  if (!astrology.aspects) return pages;
  const std::vector<Aspect>& aspects = *astrology.aspects;
  constexpr std::size_t kPerPage = kAspectColumnLength * kAspectColumns;
  // A page even for no aspect, which says so by its empty list.
  for (std::size_t first = 0; first == 0 || first < aspects.size(); first += kPerPage) {
    Picture& page = pages.emplace_back(kChartSize, kChartSize);
    Canvas canvas(page);
    canvas.brush = Brush{kWhite, true};
    canvas.font = Font{kListFace, kListFontSize, false, kBlack, 0};
    canvas.TextOut(
        kAspectHeadingCorner.x, kAspectHeadingCorner.y,
        Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Aspekte, ")) +
            ChartInstantText(sky));
    const std::size_t end = std::min(aspects.size(), first + kPerPage);
    for (std::size_t at = first; at < end; ++at) {
      const int row = static_cast<int>((at - first) % kAspectColumnLength);
      const int column = static_cast<int>((at - first) / kAspectColumnLength);
      canvas.TextOut(kAspectColumnLeft + column * kAspectColumnWidth,
                     kAspectListTop + row * kLineHeight,
                     Utf8ToWindows1252(AspectLine(aspects[at])));
    }
  }
  return pages;
}

}  // namespace sternwerk
