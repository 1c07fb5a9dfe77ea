#include "charts/enlarged_chart_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "base/translation.h"
#include "charts/earth_icon.h"
#include "charts/factor_legend.h"
#include "charts/label_stack.h"
#include "engine/arithmetic.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/text_forms.h"
#include "platform/colors.h"
#include "platform/faces.h"
#include "platform/polar_point.h"
#include "platform/text_width_bound.h"

namespace sternwerk {

namespace {

constexpr Point kCentre = kChartCentre;
constexpr Rect kOuterCircle{kCentre.x - kChartOuterRadius, kCentre.y - kChartOuterRadius,
                            kCentre.x + kChartOuterRadius, kCentre.y + kChartOuterRadius};
constexpr Rect kInnerCircle{kCentre.x - kChartInnerRadius, kCentre.y - kChartInnerRadius,
                            kCentre.x + kChartInnerRadius, kCentre.y + kChartInnerRadius};
constexpr Point kEarthIconCorner{356, 354};

// Faces are passed to the font lookup exactly as written here.
constexpr const char* kFrameFace = kLowerSansSerifFace;
constexpr const char* kSignTextFace = kArialFace;
constexpr const char* kHeaderFace = kMisspeltArialFace;

constexpr int kFrameFontSize = 8;
constexpr int kSignGlyphSize = 16;
constexpr int kSignTextSize = 7;
constexpr int kFactorTextSize = 8;
constexpr int kFactorGlyphSize = 12;
constexpr int kHeaderFontSize = 9;

constexpr int kSigns = 12;
constexpr double kSignWidth = 30;  // degrees
// Sign boundaries start on the inner circle, one pixel lower for y.
constexpr double kBoundaryInnerX = 130, kBoundaryInnerY = 131;
constexpr double kOuterRadius = kChartOuterRadius;

// Sign labels lie on a ring about (357, 357), this far into their sign.
constexpr Point kSignRingCentre{357, 357};
constexpr double kSignRingRadius = 160;
constexpr double kSignGlyphOffset = 14;
constexpr double kSignTextOffset = 15;
// The chart's own glyphs for the signs, Aries to Pisces.
constexpr std::string_view kChartSignGlyphs = "\xC7\xC8\xC9\xCA\xCB\xCC\xC1\xC2\xC3\xC4\xC5\xC6";

constexpr double kFactorRadius = 280;  // a factor's point, outside the outer circle
constexpr double kFactorTick = 25;     // length of a factor's tick inwards
constexpr int kLabelRingCount = 4;     // rings before a label falls back onto its line's end
constexpr std::array<double, kLabelRingCount> kPlanetRings = {302, 322, 342, 362};
constexpr std::array<double, kLabelRingCount> kHypotheticalRings = {252, 232, 212, 192};
constexpr Point kLabelCentre{371, 371};
constexpr double kLabelShift = 1.4;  // degrees a label lies ahead of its line
// Labels are counted in slots of three whole degrees, 0..360, each label in
// its own slot and both neighbours.
constexpr int kLastLabelDegree = 360;
constexpr int kDegreesPerLabelSlot = 3;
constexpr int kTenthsPerDegree = 10;
constexpr int kLabelEscapementBase = 2700;  // turns a label to stand radially

constexpr int kDegreesPerCircle = 360;
constexpr int kMinorTick = 6, kMiddleTick = 12, kMajorTick = 18;

constexpr Point kInstantCorner{10, 10};
constexpr Point kPlaceCorner{270, 10};
constexpr Point kEventCorner{10, 25};
// Below the event line, so that the header keeps its lines where they are.
constexpr Point kPlaceTimeCorner{10, 40};

// The end of a tick of length `length` from p towards the centre.
Point Inward(Point p, double length, double degrees) {
  return {p.x - TruncToInt(length * CosDeg(degrees)), p.y + TruncToInt(length * SinDeg(degrees))};
}

void DrawFrame(Canvas& canvas) {
  canvas.brush = Brush{kWhite, true};
  canvas.font = Font{kFrameFace, kFrameFontSize, false, kBlack, 0};
  canvas.pen = Pen{kBlack, 1};
  canvas.Rectangle(0, 0, kChartSize, kChartSize);
  canvas.TextOut(675, 363, "0\xB0 " + ShownFactorCode(kAriesPoint));
  canvas.TextOut(363, 60, "90\xB0");
  canvas.TextOut(45, 363, "180\xB0");
  canvas.TextOut(361, 675, "270\xB0");
}

void DrawCircles(Canvas& canvas) {
  canvas.Ellipse(kOuterCircle.left, kOuterCircle.top, kOuterCircle.right, kOuterCircle.bottom);
  canvas.Ellipse(kInnerCircle.left, kInnerCircle.top, kInnerCircle.right, kInnerCircle.bottom);
  canvas.Draw(kEarthIconCorner.x, kEarthIconCorner.y, EarthIconOnWhite());
}

void DrawSignBoundaries(Canvas& canvas) {
  for (int sign = 0; sign < kSigns; ++sign) {
    const double theta = sign * kSignWidth;
    canvas.Line({kCentre.x + TruncToInt(kBoundaryInnerX * CosDeg(theta)),
                 kCentre.y - TruncToInt(kBoundaryInnerY * SinDeg(theta))},
                OnCircle(kCentre, kOuterRadius, theta));
  }
}

void DrawAxisTicks(Canvas& canvas) {
  canvas.Line({665, 370}, {640, 370});
  canvas.Line({370, 100}, {370, 75});
  canvas.Line({100, 370}, {75, 370});
  canvas.Line({370, 640}, {370, 665});
}

void DrawSignLabels(Canvas& canvas, bool symbolFont) {
  canvas.font.color = kBlack;
  canvas.font.face = symbolFont ? kSymbolFace : kSignTextFace;
  canvas.font.size = symbolFont ? kSignGlyphSize : kSignTextSize;
  for (int sign = 0; sign < kSigns; ++sign) {
    const double offset = symbolFont ? kSignGlyphOffset : kSignTextOffset;
    const Point at = OnCircle(kSignRingCentre, kSignRingRadius, sign * kSignWidth + offset);
    canvas.TextOut(at.x, at.y,
                   symbolFont
                       ? std::string(kChartSignGlyphs.substr(static_cast<std::size_t>(sign), 1))
                       : ShownSignAbbreviation(sign));
  }
}

// The MC's line from the centre, the AS's whole horizon through the centre,
// a tick inwards for every other factor.
void DrawFactorLine(Canvas& canvas, int factor, Point p, double lambda) {
  if (factor == kMC) {
    canvas.Line(kCentre, p);
  } else if (factor == kAscendant) {
    canvas.Line(p, Inward(kCentre, kFactorRadius, lambda));
  } else {
    canvas.Line(p, Inward(p, kFactorTick, lambda));
  }
}

// Where a label goes: on the ring its slot's count chooses, a little ahead
// of its line, or at the line's end when the rings are used up.
Point LabelPoint(bool hypothetical, int count, Point p, double lambda) {
  if (count >= kLabelRingCount) return p;
  const auto& rings = hypothetical ? kHypotheticalRings : kPlanetRings;
  return OnCircle(kLabelCentre, rings[static_cast<std::size_t>(count)], lambda + kLabelShift);
}

void DrawFactors(Canvas& canvas, const SkyState& sky, const DisplayOptions& options) {
  LabelStack planetSlots(kLastLabelDegree, kDegreesPerLabelSlot, kDegreesPerLabelSlot);
  LabelStack hypotheticalSlots(kLastLabelDegree, kDegreesPerLabelSlot, kDegreesPerLabelSlot);
  canvas.font.size = kFactorTextSize;
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    // The Aries point stands at 0 degrees, where the chart's frame names it.
    if (factor == kAriesPoint || !InFactorSet(factor, options.transplutonian)) continue;
    const double lambda = sky.longitudes[static_cast<std::size_t>(factor)];
    const int degree = TruncToInt(lambda);
    if (options.symbolFontPresent) {
      canvas.font.face = kSymbolFace;
      canvas.font.size = kFactorGlyphSize;
    }
    const Rgb colour = DialColour(factor);
    canvas.pen = Pen{colour, 1};
    canvas.font.color = colour;
    canvas.font.bold = !options.symbolFontPresent && (factor == kMC || factor == kAscendant);

    const Point p = OnCircle(kCentre, kFactorRadius, lambda);
    DrawFactorLine(canvas, factor, p, lambda);

    const bool hypothetical = factor > kPluto;
    LabelStack& slots = hypothetical ? hypotheticalSlots : planetSlots;
    const Point label = LabelPoint(hypothetical, slots.LabelsAt(degree), p, lambda);
    canvas.font = FontWithEscapement(canvas.font,
                                     TruncToInt(kTenthsPerDegree * lambda) + kLabelEscapementBase);
    canvas.TextOut(label.x, label.y,
                   options.symbolFontPresent
                       ? std::string(1, FactorGlyph(factor))
                       : std::string(kFactorCodes[static_cast<std::size_t>(factor)]));
    slots.Place(degree);
  }
}

void DrawDegreeScale(Canvas& canvas) {
  canvas.pen = Pen{kBlack, 1};
  canvas.font.color = kBlack;
  for (int j = 0; j < kDegreesPerCircle; ++j) {
    const Point p = OnCircle(kCentre, kOuterRadius, j);
    canvas.Line(p, Inward(p, kMinorTick, j));
    if (j % 10 == 0) {
      canvas.Line(p, Inward(p, kMajorTick, j));
    } else if (j % 5 == 0) {
      canvas.Line(p, Inward(p, kMiddleTick, j));
    }
  }
}

// The place text stands at its corner unless the instant text would reach
// it; then it moves right, at least one blank after the instant text.
int PlaceLeft(const std::string& instant) {
  const int instantEnd = kInstantCorner.x + TextWidthBound(instant + " ", kHeaderFontSize);
  return std::max(kPlaceCorner.x, instantEnd);
}

void DrawHeader(Canvas& canvas, const SkyState& sky, const ChartTexts& texts) {
  canvas.font = Font{kHeaderFace, kHeaderFontSize, false, kBlack, 0};
  const std::string instant = ChartInstantText(sky);
  canvas.TextOut(kInstantCorner.x, kInstantCorner.y, instant);
  canvas.TextOut(PlaceLeft(instant), kPlaceCorner.y,
                 Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Ort: ")) +
                     texts.place);
  if (!texts.searchResult.empty()) {
    canvas.TextOut(
        kEventCorner.x, kEventCorner.y,
        Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Ereignis: ")) +
            texts.searchResult);
  }
  if (!texts.placeTime.empty()) {
    canvas.TextOut(kPlaceTimeCorner.x, kPlaceTimeCorner.y, texts.placeTime);
  }
}

}  // namespace

std::string ChartInstantText(const SkyState& sky) {
  return Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Datum / Zeit: ")) +
         WeekdayName(sky.year, sky.month, sky.day) + ", " + sky.dateText + " / " +
         FormatUniversalHours(sky.hours);
}

void DrawEnlargedChart(const SkyState& sky, const DisplayOptions& options, const ChartTexts& texts,
                       Canvas& canvas) {
  DrawFrame(canvas);
  DrawCircles(canvas);
  DrawSignBoundaries(canvas);
  DrawAxisTicks(canvas);
  DrawSignLabels(canvas, options.symbolFontPresent);
  DrawFactors(canvas, sky, options);
  DrawDegreeScale(canvas);
  DrawHeader(canvas, sky, texts);
}

}  // namespace sternwerk
