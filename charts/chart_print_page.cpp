#include "charts/chart_print_page.h"

#include <cmath>

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

Picture ChartPrintPicture(std::shared_ptr<const Picture> chart, const SkyState& sky,
                          const DisplayOptions& options, const ChartTexts& texts) {
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
  return page;
}

}  // namespace sternwerk
