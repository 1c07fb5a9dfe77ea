#include "charts/outside_view_drawing.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "base/translation.h"
#include "charts/label_stack.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/meridian_direction.h"
#include "engine/text_forms.h"
#include "platform/colors.h"
#include "platform/faces.h"
#include "platform/polar_point.h"

namespace sternwerk {

namespace {

constexpr const char* kTextFace = kArialFace;
constexpr const char* kDistanceFace = kLowerArialFace;
constexpr const char* kPrintFace = kLowerCourierFace;
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
constexpr Point kDescendantLabelOffset{-14, 3};  // from the descendant's line

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
constexpr const char* kDistanceCaption = QT_TRANSLATE_NOOP("sternwerk::Charts", "Abstand zu MC: ");
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

// The view faces the direction in which the MC stands. Everything is laid
// out as seen facing south, the eastern horizon at the left; facing north
// the layout is mirrored, the eastern horizon at the right, while each text
// keeps its place beside its line and reads as ever.
class Facing {
 public:
  explicit Facing(MeridianDirection meridian) : north_(meridian == MeridianDirection::kNorth) {}

  bool north() const { return north_; }
  // Where a box `width` pixels wide, at `x` facing south, begins.
  int Left(int x, int width = 0) const { return north_ ? kOutsideViewWidth - x - width : x; }
  // The way the degrees behind the AS run: +1 rightwards, -1 leftwards.
  int Onwards() const { return north_ ? -1 : 1; }

 private:
  bool north_;
};

// A factor's label and its line, kLineOffset to the right, mirror as one
// box, so that the line stays right of the label.
constexpr int kLabelBoxWidth = 2 * kLineOffset;

double Longitude(const SkyState& sky, int factor) {
  return sky.longitudes[static_cast<std::size_t>(factor)];
}

// Whole degrees the factor stands behind the AS, 0..359.
int DegreesBehindAscendant(const SkyState& sky, int factor) {
  const int behind = TruncToInt(Longitude(sky, kAscendant) - Longitude(sky, factor));
  return behind < 0 ? behind + kDegreesPerCircle : behind;
}

std::string Degrees(int value) {
  return std::to_string(value) + kDegreeSign;
}

void DrawMeridian(Canvas& canvas, int column) {
  canvas.font.color = kLime;
  canvas.pen = Pen{kLime, kAxisPenWidth};
  canvas.Line({column + kLineOffset, kMeridianTop}, {column + kLineOffset, kMeridianBottom});
}

void DrawHorizons(Canvas& canvas, int column, Facing facing) {
  const int ascendantLine = column + kLineOffset;
  const int descendantLine = ascendantLine + facing.Onwards() * kDescendantOffset;
  canvas.pen = Pen{kRed, kAxisPenWidth};
  canvas.Line({ascendantLine, kHorizonTop}, {ascendantLine, kHorizonBottom});
  canvas.Line({descendantLine, kHorizonTop}, {descendantLine, kHorizonBottom});
  canvas.pen.width = 1;
  for (int tickNumber = 1; tickNumber <= kTickCount; ++tickNumber) {
    const int tick = ascendantLine + facing.Onwards() * tickNumber * kTickSpacing;
    canvas.Line({tick, kTickTop}, {tick, kTickBottom});
  }
  canvas.font.color = kRed;
  canvas.font.size = kHorizonLabelSize;
  canvas.TextOut(descendantLine + kDescendantLabelOffset.x, kDescendantLabelOffset.y,
                 Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "DE")));
}

// Sun or Moon: a tick and the body's distance from the MC, folded into
// 0..180 degrees whichever side it is on.
void DrawDistanceFromMeridian(Canvas& canvas, const SkyState& sky, int factor, int column) {
  canvas.Line({column + kDistanceTickOffset, kDistanceTickTop},
              {column + kDistanceTickOffset, kDistanceTickBottom});
  double distance = std::abs(Longitude(sky, kMC) - Longitude(sky, factor));
  if (distance > kHalfCircle) distance = kDegreesPerCircle - distance;
  canvas.TextOut(column + kDistanceTextOffset, 0, Degrees(TruncToInt(distance)));
}

void DrawFactors(Canvas& canvas, const SkyState& sky, const DisplayOptions& options,
                 Facing facing) {
  LabelStack columns(kColumns - 1, 1, kStackingReach);
  int row = kLabelRows[0];
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    // The Aries point has no place on this view.
    if (factor == kAriesPoint || !InFactorSet(factor, options.transplutonian)) continue;
    canvas.font.face = options.symbolFontPresent ? kSymbolFace : kTextFace;
    canvas.font.size = options.symbolFontPresent ? kGlyphSize : kCodeSize;
    canvas.font.color = kYellow;

    const int southColumn = kPixelsPerDegree * DegreesBehindAscendant(sky, factor) + kFirstColumn;
    if (southColumn >= kBelowHorizonColumn) continue;
    const int column = facing.Left(southColumn, kLabelBoxWidth);
    const bool axis = factor == kMC || factor == kAscendant;
    if (factor == kMC) DrawMeridian(canvas, column);
    if (factor == kAscendant) DrawHorizons(canvas, column, facing);

    // A crowded column keeps the row of the label before it.
    const auto labelsInColumn = static_cast<std::size_t>(columns.LabelsAt(southColumn));
    if (axis) {
      row = kAxisRow;
    } else if (labelsInColumn < kLabelRows.size()) {
      row = kLabelRows[labelsInColumn];
    }
    canvas.TextOut(column, row,
                   options.symbolFontPresent
                       ? std::string(1, FactorGlyph(factor))
                       : std::string(kFactorCodes[static_cast<std::size_t>(factor)]));
    if (!axis) columns.Place(southColumn);

    canvas.font = Font{kTextFace, kSmallTextSize, false, kLime, 0};
    canvas.pen = Pen{kLime, 1};
    if (factor == kSun || factor == kMoon) DrawDistanceFromMeridian(canvas, sky, factor, column);
  }
}

// The MC's distance from the horizon on each side: facing south the eastern
// one at the left, the western one at the right.
void DrawHorizonDistances(Canvas& canvas, const SkyState& sky, Facing facing) {
  canvas.font = Font{kDistanceFace, kDistanceTextSize, false, kLime, 0};
  int fromEast = TruncToInt(Longitude(sky, kAscendant) - Longitude(sky, kMC));
  while (fromEast < 0) fromEast += kDegreesPerCircle;
  while (fromEast > kHalfCircle) fromEast -= kHalfCircle;
  const int fromWest = kHalfCircle - fromEast;
  canvas.TextOut(kLeftDistanceCorner.x, kLeftDistanceCorner.y,
                 Translated("sternwerk::Charts", kDistanceCaption) +
                     Degrees(facing.north() ? fromWest : fromEast));
  canvas.TextOut(kRightDistanceCorner.x, kRightDistanceCorner.y,
                 Translated("sternwerk::Charts", kDistanceCaption) +
                     Degrees(facing.north() ? fromEast : fromWest));
}

// Sign boundaries in the factors' scale, and each sign's glyph about the
// middle of its stretch.
void DrawSignScale(Canvas& canvas, const SkyState& sky, const DisplayOptions& options,
                   Facing facing) {
  canvas.pen = Pen{kAqua, 1};
  canvas.font.color = kAqua;
  canvas.font.size = kSignScaleSize;
  canvas.font.bold = true;
  const int ascendant = TruncToInt(Longitude(sky, kAscendant));

  int boundary = ascendant + kHalfCircle;
  if (boundary > kDegreesPerCircle) boundary = ascendant;
  do {
    if (boundary < kLastBoundary) {
      const int column = facing.Left(kPixelsPerDegree * boundary + kFirstColumn + kLineOffset);
      canvas.Line({column, kBoundaryTop}, {column, kBoundaryBottom});
    }
    boundary -= kSignWidth;
  } while (boundary >= kFirstBoundary);

  canvas.font.face = options.symbolFontPresent ? kSymbolFace : kTextFace;
  const int em = FontPixelHeight(kSignScaleSize);
  const int nameShift = TruncToInt(em * (kSignGlyphWidth - kSignNameWidth) / 2);
  const int glyphWidth = TruncToInt(em * kSignGlyphWidth);
  int sign = SignIndex(ascendant);
  int glyphDegree = ascendant % kSignWidth - kSignGlyphShift;
  for (int shown = 0; shown < kSignGlyphsShown; ++shown) {
    if (glyphDegree > kSignGlyphLow && glyphDegree < kSignGlyphHigh) {
      const auto index = static_cast<std::size_t>(sign);
      const int column = facing.Left(kPixelsPerDegree * glyphDegree, glyphWidth);
      if (options.symbolFontPresent) {
        canvas.TextOut(column, kSignGlyphTop, kSignGlyphs.substr(index, 1));
      } else {
        canvas.TextOut(column + nameShift, kSignGlyphTop, ShownSignAbbreviation(sign));
      }
    }
    glyphDegree += kSignWidth;
    sign = sign == 0 ? kSigns - 1 : sign - 1;
  }
}

}  // namespace

std::string OutsideViewTitleSuffix(const SkyState& sky) {
  return Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "  am ")) +
         WeekdayName(sky.year, sky.month, sky.day) + ", " + sky.dateText +
         Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "  um ")) +
         FormatUniversalHours(sky.hours);
}

void DrawOutsideView(const SkyState& sky, const DisplayOptions& options, Canvas& canvas) {
  canvas.brush = Brush{kNavy, true};
  const Facing facing(MeridianDirectionOf(sky));
  DrawFactors(canvas, sky, options, facing);
  DrawHorizonDistances(canvas, sky, facing);
  if (options.transplutonian) DrawSignScale(canvas, sky, options, facing);
}

Picture OutsideViewPrintPicture(std::shared_ptr<const Picture> view, const SkyState& sky,
                                const ChartTexts& texts) {
  Picture page(view->width(), view->height());
  Canvas canvas(page);
  canvas.StretchDraw(
      {kPrintViewTopLeft.x, kPrintViewTopLeft.y, kPrintViewBottomRight.x, kPrintViewBottomRight.y},
      std::move(view));
  canvas.font = Font{kPrintFace, kPrintTextSize, false, kBlack, 0};
  canvas.TextOut(
      kPrintHeaderCorner.x, kPrintHeaderCorner.y,
      ChartInstantText(sky) + "    " +
          Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Ort: ")) +
          texts.place);
  if (!texts.searchResult.empty()) {
    canvas.TextOut(kPrintEventCorner.x, kPrintEventCorner.y, texts.searchResult);
  }
  return page;
}

}  // namespace sternwerk
