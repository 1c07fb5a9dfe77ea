#include "charts/ninety_degree_dial.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "astrology/midpoint_text.h"
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
// Beyond this distance from the centre the mouse points at the list, not
// at the dial.
constexpr double kDialReach = kNinetyDialHeight / 2.0;
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
constexpr int kSignDegrees = 30;
constexpr int kSignsPerCross = 4;  // the signs a place on the dial stands for
constexpr int kSignsBetweenCrossSigns = 3;

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

// "+0°30'", "-1°05'".
std::string SignedDistance(double degrees) {
  return (degrees >= 0 ? "+" : "") + DegreesAndMinutes(1, degrees);
}

// The pointer's place within the signs of its cross, "12°10' STI LOE SKO
// WAS": a place on the dial is that degree of the four signs a square
// apart.
std::string PointerInSigns(double pointer) {
  const double place = DialPlace(pointer);
  const int first = SignIndex(place);
  std::string text = DegreesAndMinutes(2, place - first * kSignDegrees);
  for (int sign = 0; sign < kSignsPerCross; ++sign)
    text += " " + ShownSignAbbreviation(first + sign * kSignsBetweenCrossSigns);
  return text;
}

std::string HitLine(const DialHit& hit) {
  std::string line = MidpointText(hit.point) + "  " + SignedDistance(hit.distance);
  if (hit.atHalfDial) line += "  (45\xB0)";
  return line;
}

void DrawReading(Canvas& canvas, const std::vector<ChartPoint>& points, double pointer,
                 double orb) {
  canvas.font = Font{kTextFace, kListSize, false, kBlack, 0};
  canvas.brush.solid = false;
  int y = kListCorner.y;
  const std::string heading =
      Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::NinetyDegreeDial", "Zeiger"));
  canvas.TextOut(kListCorner.x, y, heading + " " + DegreesAndMinutes(2, DialPlace(pointer)));
  y += kListLineHeight;
  canvas.TextOut(kListCorner.x, y, PointerInSigns(pointer));
  const std::vector<DialHit> hits = PointsAtPointer(points, pointer, orb);
  for (std::size_t shown = 0; shown < hits.size(); ++shown) {
    y += kListLineHeight;
    canvas.font.color = kBlack;
    // The last line left tells how many more the pointer reads.
    if (y + kListLineHeight > kListBottom && shown + 1 < hits.size()) {
      canvas.TextOut(
          kListCorner.x, y,
          WithArguments(Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::NinetyDegreeDial",
                                                               "(%1 weitere)")),
                        {std::to_string(hits.size() - shown)}));
      break;
    }
    const DialHit& hit = hits[shown];
    if (hit.point.IsFactor()) canvas.font.color = DialColour(hit.point.first);
    canvas.TextOut(kListCorner.x, y, HitLine(hit));
  }
}

}  // namespace

double DialScreenAngle(double dialPlace) {
  return kTopAngle + DialPlace(dialPlace) * kCircleDegreesPerDialDegree;
}

std::optional<double> DialPlaceAt(Point at) {
  const double dx = at.x - kCentre.x, dy = kCentre.y - at.y;
  const double reach = std::hypot(dx, dy);
  if (reach == 0 || reach > kDialReach) return std::nullopt;
  const double screenAngle = RadToDeg(std::atan2(dy, dx));
  return DialPlace((screenAngle - kTopAngle) / kCircleDegreesPerDialDegree);
}

void DrawNinetyDegreeDial(const std::vector<ChartPoint>& points, double pointer, double orb,
                          const DisplayOptions& options, Canvas& canvas) {
  DrawScale(canvas);
  DrawFactors(canvas, points, options);
  DrawPointer(canvas, pointer);
  DrawReading(canvas, points, pointer, orb);
}

}  // namespace sternwerk
