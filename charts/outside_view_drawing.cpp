#include "charts/outside_view_drawing.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/text_forms.h"
#include "platform/colors.h"
#include "platform/polar_point.h"
#include "platform/symbol_face.h"

namespace sternwerk {

namespace {

constexpr const char* kTextFace = "Arial";
constexpr const char* kDistanceFace = "arial";
constexpr const char* kPrintFace = "courier new";
constexpr int kGlyphSize = 16;
constexpr int kCodeSize = 8;
constexpr int kHorizonLabelSize = 16;
constexpr int kSmallTextSize = 8;
constexpr int kDistanceTextSize = 10;
constexpr int kSignScaleSize = 14;
constexpr int kPrintTextSize = 12;

// Columns: four pixels a whole degree behind the AS; a factor's line stands
// ten pixels right of its label's column.
constexpr int kPixelsPerDegree = 4;
constexpr int kFirstColumn = 23;
constexpr int kLineOffset = 10;
constexpr int kBelowHorizonColumn = 770;  // 187 degrees behind the AS
constexpr int kDegreesPerCircle = 360;
constexpr int kHalfCircle = 180;

constexpr int kMeridianTop = 10, kMeridianBottom = 230;
constexpr int kHorizonTop = 10, kHorizonBottom = 213;
constexpr int kAxisPenWidth = 3;
constexpr int kDescendantOffset = kPixelsPerDegree * kHalfCircle;  // from the AS line
constexpr int kTickCount = 17;  // every 10 degrees between the horizons
constexpr int kTickSpacing = 10 * kPixelsPerDegree;
constexpr int kTickTop = 28, kTickBottom = 45;
constexpr Point kDescendantLabelOffset{716, 3};  // from the AS column

// Label rows: a column's counter chooses the row; the axes share the top row.
constexpr int kColumns = 811;
constexpr int kStackingReach = 16;  // a label counts in its column +- this
constexpr std::array<int, 4> kLabelRows = {50, 85, 120, 155};
constexpr int kAxisRow = 3;

// The Sun's and the Moon's distance from the MC above their labels.
constexpr int kDistanceTickOffset = 9;
constexpr int kDistanceTickTop = 8, kDistanceTickBottom = 30;
constexpr int kDistanceTextOffset = 3;

constexpr Point kLeftDistanceCorner{5, 217};
constexpr Point kRightDistanceCorner{665, 217};
constexpr const char* kDistanceCaption = "Abstand zu MC: ";
constexpr const char* kDegreeSign = "\xB0";

// The sign scale along the bottom, with all 22 factors only.
constexpr int kSignWidth = 30;  // degrees
constexpr int kLastBoundary = 196, kFirstBoundary = -7;
constexpr int kBoundaryTop = 190, kBoundaryBottom = 210;
constexpr int kSignGlyphShift = 9;  // degrees the glyphs lie before the boundary
constexpr int kSignGlyphsShown = 7;
constexpr int kSignGlyphLow = 1, kSignGlyphHigh = 190;
constexpr int kSignGlyphTop = 185;
constexpr int kSigns = 12;
// Widths in ems at the scale's size: a sign glyph of the symbol font, and a
// three-capital sign name in bold Arial on average, so that a name stands
// centred where the glyph would.
constexpr double kSignGlyphWidth = 1836.0 / 2048;
constexpr double kSignNameWidth = 2.0;

constexpr Point kPrintViewTopLeft{0, 200};
constexpr Point kPrintViewBottomRight{790, 500};
constexpr Point kPrintHeaderCorner{20, 100};
constexpr Point kPrintEventCorner{180, 200};

double Longitude(const SkyState& sky, int factor) {
  return sky.longitudes[static_cast<std::size_t>(factor)];
}

// Whole degrees the factor stands behind the AS, 0..359.
int DegreesBehindAscendant(const SkyState& sky, int factor) {
  const int d = TruncToInt(Longitude(sky, kAscendant) - Longitude(sky, factor));
  return d < 0 ? d + kDegreesPerCircle : d;
}

std::string Degrees(int value) {
  return std::to_string(value) + kDegreeSign;
}

void DrawMeridian(Canvas& canvas, int x) {
  canvas.font.color = kLime;
  canvas.pen = Pen{kLime, kAxisPenWidth};
  canvas.Line({x + kLineOffset, kMeridianTop}, {x + kLineOffset, kMeridianBottom});
}

void DrawHorizons(Canvas& canvas, int x) {
  const int ascendantLine = x + kLineOffset;
  const int descendantLine = ascendantLine + kDescendantOffset;
  canvas.pen = Pen{kRed, kAxisPenWidth};
  canvas.Line({ascendantLine, kHorizonTop}, {ascendantLine, kHorizonBottom});
  canvas.Line({descendantLine, kHorizonTop}, {descendantLine, kHorizonBottom});
  canvas.pen.width = 1;
  for (int k = 1; k <= kTickCount; ++k) {
    const int tick = ascendantLine + k * kTickSpacing;
    canvas.Line({tick, kTickTop}, {tick, kTickBottom});
  }
  canvas.font.color = kRed;
  canvas.font.size = kHorizonLabelSize;
  canvas.TextOut(x + kDescendantLabelOffset.x, kDescendantLabelOffset.y, "DE");
}

// Sun or Moon: a tick and the body's distance from the MC, folded into
// 0..180 degrees whichever side it is on.
void DrawDistanceFromMeridian(Canvas& canvas, const SkyState& sky, int factor, int x) {
  canvas.Line({x + kDistanceTickOffset, kDistanceTickTop},
              {x + kDistanceTickOffset, kDistanceTickBottom});
  double e = std::abs(Longitude(sky, kMC) - Longitude(sky, factor));
  if (e > kHalfCircle) e = kDegreesPerCircle - e;
  canvas.TextOut(x + kDistanceTextOffset, 0, Degrees(TruncToInt(e)));
}

void DrawFactors(Canvas& canvas, const SkyState& sky, const DisplayOptions& options) {
  std::array<int, kColumns> counters{};
  int row = kLabelRows[0];
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    // The Aries point has no place on this view.
    if (factor == kAriesPoint || !InFactorSet(factor, options.transplutonian)) continue;
    canvas.font.face = options.symbolFontPresent ? kSymbolFace : kTextFace;
    canvas.font.size = options.symbolFontPresent ? kGlyphSize : kCodeSize;
    canvas.font.color = kYellow;

    const int x = kPixelsPerDegree * DegreesBehindAscendant(sky, factor) + kFirstColumn;
    if (x >= kBelowHorizonColumn) continue;
    const bool axis = factor == kMC || factor == kAscendant;
    if (factor == kMC) DrawMeridian(canvas, x);
    if (factor == kAscendant) DrawHorizons(canvas, x);

    // A crowded column keeps the row of the label before it.
    const auto n = static_cast<std::size_t>(counters[static_cast<std::size_t>(x)]);
    if (axis) {
      row = kAxisRow;
    } else if (n < kLabelRows.size()) {
      row = kLabelRows[n];
    }
    canvas.TextOut(x, row,
                   options.symbolFontPresent
                       ? std::string(1, FactorGlyph(factor))
                       : std::string(kFactorCodes[static_cast<std::size_t>(factor)]));
    if (!axis) {
      for (int column = x - kStackingReach; column <= x + kStackingReach; ++column) {
        ++counters[static_cast<std::size_t>(column)];
      }
    }

    canvas.font = Font{kTextFace, kSmallTextSize, false, kLime, 0};
    canvas.pen = Pen{kLime, 1};
    if (factor == kSun || factor == kMoon) DrawDistanceFromMeridian(canvas, sky, factor, x);
  }
}

// The MC's distance from the eastern horizon at the left, from the western
// one at the right.
void DrawHorizonDistances(Canvas& canvas, const SkyState& sky) {
  canvas.font = Font{kDistanceFace, kDistanceTextSize, false, kLime, 0};
  int m = TruncToInt(Longitude(sky, kAscendant) - Longitude(sky, kMC));
  while (m < 0) m += kDegreesPerCircle;
  while (m > kHalfCircle) m -= kHalfCircle;
  canvas.TextOut(kLeftDistanceCorner.x, kLeftDistanceCorner.y, kDistanceCaption + Degrees(m));
  canvas.TextOut(kRightDistanceCorner.x, kRightDistanceCorner.y,
                 kDistanceCaption + Degrees(kHalfCircle - m));
}

// Sign boundaries in the factors' scale, and each sign's glyph about the
// middle of its stretch.
void DrawSignScale(Canvas& canvas, const SkyState& sky, const DisplayOptions& options) {
  canvas.pen = Pen{kAqua, 1};
  canvas.font.color = kAqua;
  canvas.font.size = kSignScaleSize;
  canvas.font.bold = true;
  const int ascendant = TruncToInt(Longitude(sky, kAscendant));

  int s = ascendant + kHalfCircle;
  if (s > kDegreesPerCircle) s = ascendant;
  do {
    if (s < kLastBoundary) {
      const int x = kPixelsPerDegree * s + kFirstColumn + kLineOffset;
      canvas.Line({x, kBoundaryTop}, {x, kBoundaryBottom});
    }
    s -= kSignWidth;
  } while (s >= kFirstBoundary);

  canvas.font.face = options.symbolFontPresent ? kSymbolFace : kTextFace;
  const int em = FontPixelHeight(kSignScaleSize);
  const int nameShift = TruncToInt(em * (kSignGlyphWidth - kSignNameWidth) / 2);
  int sign = SignIndex(ascendant);
  int r = ascendant % kSignWidth - kSignGlyphShift;
  for (int k = 0; k < kSignGlyphsShown; ++k) {
    if (r > kSignGlyphLow && r < kSignGlyphHigh) {
      const auto index = static_cast<std::size_t>(sign);
      const int x = kPixelsPerDegree * r;
      if (options.symbolFontPresent) {
        canvas.TextOut(x, kSignGlyphTop, kSignGlyphs.substr(index, 1));
      } else {
        canvas.TextOut(x + nameShift, kSignGlyphTop, std::string(kSignAbbreviations[index]));
      }
    }
    r += kSignWidth;
    sign = sign == 0 ? kSigns - 1 : sign - 1;
  }
}

}  // namespace

std::string OutsideViewTitleSuffix(const SkyState& sky) {
  return "  am " + WeekdayName(sky.year, sky.month, sky.day) + ", " + sky.dateText + "  um " +
         FormatHours(sky.hours) + " WZ/GMT";
}

void DrawOutsideView(const SkyState& sky, const DisplayOptions& options, Canvas& canvas) {
  canvas.brush = Brush{kNavy, true};
  DrawFactors(canvas, sky, options);
  DrawHorizonDistances(canvas, sky);
  if (options.transplutonian) DrawSignScale(canvas, sky, options);
}

Picture OutsideViewPrintPicture(std::shared_ptr<const Picture> view, const SkyState& sky,
                                const ChartTexts& texts) {
  Picture page(view->width(), view->height());
  Canvas canvas(page);
  canvas.StretchDraw(
      {kPrintViewTopLeft.x, kPrintViewTopLeft.y, kPrintViewBottomRight.x, kPrintViewBottomRight.y},
      std::move(view));
  canvas.font = Font{kPrintFace, kPrintTextSize, false, kBlack, 0};
  canvas.TextOut(kPrintHeaderCorner.x, kPrintHeaderCorner.y,
                 ChartInstantText(sky) + "    Ort: " + texts.place);
  if (!texts.searchResult.empty()) {
    canvas.TextOut(kPrintEventCorner.x, kPrintEventCorner.y, texts.searchResult);
  }
  return page;
}

}  // namespace sternwerk
