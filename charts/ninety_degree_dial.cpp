#include "charts/ninety_degree_dial.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astrology/midpoints.h"
#include "base/translation.h"
#include "charts/factor_legend.h"
#include "engine/arithmetic.h"
#include "engine/factors.h"
#include "engine/text_forms.h"
#include "platform/colors.h"
#include "platform/faces.h"
#include "platform/polar_point.h"

namespace sternwerk {
namespace {

constexpr Point kCentre{260, 260};
constexpr double kScaleRadius = 200;  // the circle the scale hangs inside
constexpr double kCircleDegreesPerDialDegree = 360 / kDialRange;
constexpr double kTopAngle = 90;
constexpr int kDialDegrees = 90;
constexpr int kMajorEvery = 5;  // dial degrees between numbered ticks
constexpr double kMinorTick = 6, kMajorTick = 14;
constexpr double kNumberRadius = 218;
constexpr Point kNumberOffset{-7, -7};  // a number's corner from its point

constexpr double kFactorTick = 22;  // outwards from the scale circle
constexpr int kLabelRingCount = 4;
constexpr double kLabelRings[kLabelRingCount] = {175, 158, 141, 124};
constexpr Point kLabelOffset{-7, -6};
// Labels closer than this on the circle (degrees) go onto different rings.
constexpr double kLabelReach = 6;

constexpr double kPointerRadius = 196;
constexpr int kPointerWidth = 2;

constexpr const char* kTextFace = kArialFace;
constexpr int kNumberSize = 7;
constexpr int kFactorTextSize = 8;
constexpr int kFactorGlyphSize = 12;
constexpr int kListSize = 9;
constexpr Point kListCorner{540, 20};
constexpr int kListLineHeight = 16;
constexpr int kListBottom = kNinetyDialHeight - 20;

constexpr const char* kContext = "sternwerk::NinetyDegreeDial";

Point At(double dialPlace, double radius) {
  return OnCircle(kCentre, radius, DialScreenAngle(dialPlace));
}

void DrawScale(Canvas& canvas) {
  canvas.brush = Brush{kWhite, true};
  canvas.pen = Pen{kBlack, 1};
  canvas.Rectangle(0, 0, kNinetyDialWidth, kNinetyDialHeight);
  const int r = TruncToInt(kScaleRadius);
  canvas.Ellipse(kCentre.x - r, kCentre.y - r, kCentre.x + r, kCentre.y + r);
  canvas.font = Font{kTextFace, kNumberSize, false, kBlack, 0};
  canvas.brush.solid = false;
  for (int degree = 0; degree < kDialDegrees; ++degree) {
    const bool major = degree % kMajorEvery == 0;
    canvas.Line(At(degree, kScaleRadius),
                At(degree, kScaleRadius - (major ? kMajorTick : kMinorTick)));
    if (!major) continue;
    const Point number = At(degree, kNumberRadius);
    canvas.TextOut(number.x + kNumberOffset.x, number.y + kNumberOffset.y, std::to_string(degree));
  }
}

// The ring of a label: one further in for every label placed before it
// within kLabelReach degrees of the circle, across the dial's zero too.
int LabelRing(const std::vector<double>& placed, double angle) {
  int near = 0;
  for (const double other : placed) {
    if (std::fabs(ShortestTurn(other, angle)) < kLabelReach) ++near;
  }
  return std::min(near, kLabelRingCount - 1);
}

void DrawFactors(Canvas& canvas, const std::vector<ChartPoint>& points,
                 const DisplayOptions& options) {
  std::vector<double> placed;
  for (const ChartPoint& point : points) {
    const double place = DialPlace(point.longitude);
    const Rgb colour = DialColour(point.factor);
    canvas.pen = Pen{colour, 1};
    canvas.Line(At(place, kScaleRadius), At(place, kScaleRadius + kFactorTick));
    const double angle = place * kCircleDegreesPerDialDegree;
    const Point label = At(place, kLabelRings[LabelRing(placed, angle)]);
    placed.push_back(angle);
    canvas.font = options.symbolFontPresent ? Font{kSymbolFace, kFactorGlyphSize, false, colour, 0}
                                            : Font{kTextFace, kFactorTextSize, false, colour, 0};
    canvas.TextOut(label.x + kLabelOffset.x, label.y + kLabelOffset.y,
                   options.symbolFontPresent ? std::string(1, FactorGlyph(point.factor))
                                             : ShownFactorCode(point.factor));
  }
}

// The pointer from the centre to its place, thick, and on to its 45-degree
// point, thin.
void DrawPointer(Canvas& canvas, double pointer) {
  canvas.pen = Pen{kRed, kPointerWidth};
  canvas.Line(kCentre, At(pointer, kPointerRadius));
  canvas.pen = Pen{kRed, 1};
  canvas.Line(kCentre, At(pointer + kHalfDialRange, kPointerRadius));
}

// Degrees and whole minutes, "12°34'"; signed with `sign`.
std::string DegreesAndMinutes(double degrees, bool sign) {
  const std::string full = FormatAngle(sign ? 1 : 2, AngleMode::kFull, degrees);
  std::string text = full.substr(0, full.find('\'') + 1);
  if (sign && degrees >= 0) text = "+" + text;
  return text;
}

std::string HitName(const Midpoint& point) {
  if (point.IsFactor()) return ShownFactorCode(point.first);
  return ShownFactorCode(point.first) + "/" + ShownFactorCode(point.second);
}

void DrawReading(Canvas& canvas, const std::vector<ChartPoint>& points, double pointer,
                 double orb) {
  canvas.font = Font{kTextFace, kListSize, false, kBlack, 0};
  canvas.brush.solid = false;
  int y = kListCorner.y;
  const std::string heading =
      Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::NinetyDegreeDial", "Zeiger"));
  canvas.TextOut(kListCorner.x, y, heading + " " + DegreesAndMinutes(DialPlace(pointer), false));
  for (const DialHit& hit : PointsAtPointer(points, pointer, orb)) {
    y += kListLineHeight;
    if (y > kListBottom) break;
    std::string line = HitName(hit.point) + "  " + DegreesAndMinutes(hit.distance, true);
    if (hit.atHalfDial) line += "  (45\xB0)";
    canvas.font.color = hit.point.IsFactor() ? DialColour(hit.point.first) : kBlack;
    canvas.TextOut(kListCorner.x, y, line);
  }
}

}  // namespace

double DialScreenAngle(double dialPlace) {
  return kTopAngle + DialPlace(dialPlace) * kCircleDegreesPerDialDegree;
}

void DrawNinetyDegreeDial(const std::vector<ChartPoint>& points, double pointer, double orb,
                          const DisplayOptions& options, Canvas& canvas) {
  DrawScale(canvas);
  DrawFactors(canvas, points, options);
  DrawPointer(canvas, pointer);
  DrawReading(canvas, points, pointer, orb);
}

}  // namespace sternwerk
