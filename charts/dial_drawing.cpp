#include "charts/dial_drawing.h"

#include <cmath>
#include <string>

#include "base/translation.h"
#include "charts/earth_icon.h"
#include "charts/factor_legend.h"
#include "charts/label_stack.h"
#include "engine/arithmetic.h"
#include "engine/factors.h"
#include "engine/meridian_direction.h"
#include "platform/colors.h"
#include "platform/faces.h"
#include "platform/polar_point.h"

namespace sternwerk {

namespace {

// The dial's centre, and its circles as bounding boxes.
constexpr Point kCentre{260, 260};
constexpr Rect kOuterCircle{50, 50, 470, 470};
constexpr Rect kInnerCircle{155, 155, 365, 365};
constexpr Point kEarthIconCorner{245, 244};

// Screen angles are degrees counterclockwise from the rightward horizontal;
// the MC always stands at the top.
constexpr double kMeridianAngle = 90;

// Faces are passed to the font lookup exactly as written here.
constexpr const char* kCompassFace = kLowerArialFace;
constexpr const char* kTextFace = kMisspeltArialFace;
constexpr const char* kCaptionFace = kArialFace;

constexpr int kCompassFontSize = 10;
constexpr int kSignGlyphSize = 14;
constexpr int kSignTextSize = 7;
constexpr int kFactorTextSize = 9;
constexpr int kFactorGlyphSize = 10;

// Sign boundaries run between these radii; the vertical ones are one pixel
// longer than the horizontal ones.
constexpr double kBoundaryInnerX = 76, kBoundaryInnerY = 77;
constexpr double kBoundaryOuterX = 212, kBoundaryOuterY = 213;

constexpr double kSignsPerCircle = 12;
constexpr double kSignWidth = 30;         // degrees
constexpr double kSignLabelOffset = 14;   // degrees into the sign
constexpr double kSignGlyphRadius = 140;  // glyph corner, about (250, 250)
constexpr Point kSignGlyphOrigin{250, 250};
constexpr double kSignTextRadius = 130;  // abbreviation corner, about (249, 259)
constexpr Point kSignTextOrigin{249, 259};

constexpr double kFactorRadius = 220;  // a factor's point, just outside the outer circle
constexpr double kFactorTick = 20;     // length of a factor's tick inwards
constexpr double kLabelShift = 1.4;    // degrees a label lies ahead of its line
constexpr int kLabelRingCount = 4;     // rings before labels fall back onto the line's end
constexpr double kPlanetRings[kLabelRingCount] = {235, 250, 265, 280};        // outwards
constexpr double kHypotheticalRings[kLabelRingCount] = {200, 185, 170, 155};  // inwards
constexpr int kHorizontalRadiusPercent = 100;  // the label's horizontal radius is R * 100 / 99
constexpr int kHorizontalRadiusDivisor = 99;
constexpr Point kCodeOffset{-6, -5};  // a two-letter code's corner from the label point
// A label counts for the integer angles 0..360 within three degrees of its own.
constexpr int kLastLabelAngle = 360;
constexpr int kLabelReach = 3;

// A label is turned by its integer angle plus this, in tenths of a degree,
// so that its top points away from the centre.
constexpr int kTenthsPerDegree = 10;
constexpr int kLabelEscapementBase = 2700;

void Ellipse(Canvas& canvas, const Rect& box) {
  canvas.Ellipse(box.left, box.top, box.right, box.bottom);
}

void DrawBackground(Canvas& canvas) {
  canvas.brush = Brush{kWhite, true};
  canvas.pen = Pen{kBlack, 1};
  canvas.Rectangle(0, 0, kDialBackgroundWidth, kDialBackgroundHeight);
  Ellipse(canvas, kOuterCircle);
}

// East, the MC's direction and west along the top edge: "O < S > W" as seen
// facing south, "O < N > W" where the MC stands north of the zenith.
void DrawCompass(Canvas& canvas, MeridianDirection meridian) {
  canvas.font.face = kCompassFace;
  canvas.font.color = kNavy;
  canvas.font.size = kCompassFontSize;
  canvas.font.bold = true;
  canvas.Line({255, 15}, {200, 15});
  canvas.Line({265, 15}, {320, 15});
  //: "O" is the east point; the arrow points away from the MC's direction, "S" or "N".
  canvas.TextOut(179, 7,
                 Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "O <")));
  canvas.TextOut(256, 7, meridian == MeridianDirection::kNorth ? "N" : "S");
  canvas.TextOut(321, 7, "> W");
}

void DrawSignBoundaries(Canvas& canvas, double mc) {
  canvas.font.bold = false;
  for (int sign = 0; sign < kSignsPerCircle; ++sign) {
    const double phi = sign * kSignWidth - mc;
    const double cosine = CosDeg(phi), sine = SinDeg(phi);
    canvas.Line({kCentre.x + TruncToInt(kBoundaryInnerX * cosine),
                 kCentre.y - TruncToInt(kBoundaryInnerY * sine)},
                {kCentre.x + TruncToInt(kBoundaryOuterX * cosine),
                 kCentre.y - TruncToInt(kBoundaryOuterY * sine)});
  }
}

void DrawEarth(Canvas& canvas) {
  Ellipse(canvas, kInnerCircle);
  canvas.Draw(kEarthIconCorner.x, kEarthIconCorner.y, EarthIconOnWhite());
}

void DrawCardinalTicks(Canvas& canvas) {
  canvas.Line({20, 260}, {50, 260});
  canvas.Line({470, 260}, {500, 260});
  canvas.Line({260, 20}, {260, 50});
  canvas.Line({260, 470}, {260, 500});
}

void DrawSignLabels(Canvas& canvas, double mc, bool symbolFont) {
  canvas.font.color = kBlack;
  for (int sign = 0; sign < kSignsPerCircle; ++sign) {
    const double psi = sign * kSignWidth + kSignLabelOffset - mc + kMeridianAngle;
    if (symbolFont) {
      canvas.font.face = kSymbolFace;
      canvas.font.size = kSignGlyphSize;
      const Point at = OnCircle(kSignGlyphOrigin, kSignGlyphRadius, psi);
      canvas.TextOut(at.x, at.y, kSignGlyphs.substr(sign, 1));
    } else {
      canvas.font.face = kTextFace;
      canvas.font.size = kSignTextSize;
      const Point at = OnCircle(kSignTextOrigin, kSignTextRadius, psi);
      canvas.TextOut(at.x, at.y, ShownSignAbbreviation(sign));
    }
  }
}

// The MC's line from the centre, the AS's horizon line through the centre,
// a short tick inwards for every other factor.
void DrawFactorLine(Canvas& canvas, int factor, Point point, double theta) {
  canvas.pen = Pen{DialColour(factor), 1};
  if (factor == kMC) {
    canvas.Line(kCentre, point);
  } else if (factor == kAscendant) {
    canvas.Line(point, {kCentre.x - TruncToInt(kFactorRadius * CosDeg(theta)),
                        kCentre.y + TruncToInt(kFactorRadius * SinDeg(theta))});
  } else {
    canvas.Line(point, {point.x - TruncToInt(kFactorTick * CosDeg(theta)),
                        point.y + TruncToInt(kFactorTick * SinDeg(theta))});
  }
}

// The integer angle of a label, 0..360, without wrapping 360 to 0.
int LabelAngle(double theta) {
  constexpr int kFullCircle = 360;
  int angle = TruncToInt(theta);
  if (angle < 0) angle += kFullCircle;
  if (angle > kFullCircle) angle -= kFullCircle;
  return angle;
}

// Where the label goes on its ring: the inner rings for the first four
// labels near its angle, the end of the factor's own line (`lineEnd`) for
// any further one.
Point LabelPoint(const double (&rings)[kLabelRingCount], int labelsNear, Point lineEnd,
                 double theta) {
  if (labelsNear >= kLabelRingCount) return lineEnd;
  const double radius = rings[labelsNear];
  const double shifted = theta + kLabelShift;
  return {kCentre.x + TruncToInt(radius * kHorizontalRadiusPercent * CosDeg(shifted)) /
                          kHorizontalRadiusDivisor,
          kCentre.y - TruncToInt(radius * SinDeg(shifted))};
}

void DrawFactors(Canvas& canvas, const SkyState& sky, const DisplayOptions& options) {
  LabelStack planetRings(kLastLabelAngle, 1, kLabelReach);
  LabelStack hypotheticalRings(kLastLabelAngle, 1, kLabelReach);
  canvas.font.size = kFactorTextSize;
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    if (!InFactorSet(factor, options.transplutonian)) continue;
    const double theta = factor == kMC
                             ? kMeridianAngle
                             : sky.longitudes[factor] - sky.longitudes[kMC] + kMeridianAngle;
    if (options.symbolFontPresent) {
      canvas.font.face = kSymbolFace;
      canvas.font.size = kFactorGlyphSize;
    }
    canvas.font.color = DialColour(factor);
    const Point point = OnCircle(kCentre, kFactorRadius, theta);
    DrawFactorLine(canvas, factor, point, theta);

    canvas.font.bold = true;
    const int angle = LabelAngle(theta);
    const bool hypothetical = factor > kPluto;
    LabelStack& rings = hypothetical ? hypotheticalRings : planetRings;
    const Point label = LabelPoint(hypothetical ? kHypotheticalRings : kPlanetRings,
                                   rings.LabelsAt(angle), point, theta);
    rings.Place(angle);

    canvas.font = FontWithEscapement(canvas.font, angle * kTenthsPerDegree + kLabelEscapementBase);
    if (options.symbolFontPresent) {
      canvas.TextOut(label.x, label.y, std::string(1, FactorGlyph(factor)));
    } else {
      canvas.TextOut(label.x + kCodeOffset.x, label.y + kCodeOffset.y, ShownFactorCode(factor));
    }
  }
}

// Captions in the centre, upright, and a short line down to the pole.
void DrawCaptions(Canvas& canvas) {
  canvas.font.face = kCaptionFace;
  canvas.font.escapement = 0;
  canvas.font.color = kGreen;
  canvas.TextOut(
      232, 170,
      Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Meridian")));
  canvas.font.color = kNavy;
  canvas.TextOut(
      205, 225,
      Translated("sternwerk::Charts", QT_TRANSLATE_NOOP("sternwerk::Charts", "Nordpol der Erde")));
  canvas.Line({260, 240}, {260, 260});
}

}  // namespace

void DrawDial(const SkyState& sky, const DisplayOptions& options, Canvas& canvas) {
  const double mc = sky.longitudes[kMC];
  DrawBackground(canvas);
  DrawCompass(canvas, MeridianDirectionOf(sky));
  DrawSignBoundaries(canvas, mc);
  DrawEarth(canvas);
  DrawCardinalTicks(canvas);
  DrawSignLabels(canvas, mc, options.symbolFontPresent);
  DrawFactors(canvas, sky, options);
  DrawCaptions(canvas);
}

}  // namespace sternwerk
