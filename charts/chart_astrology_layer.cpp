#include "charts/chart_astrology_layer.h"

#include <algorithm>
#include <string>

#include "charts/enlarged_chart_drawing.h"
#include "engine/arithmetic.h"
#include "platform/colors.h"
#include "platform/faces.h"
#include "platform/polar_point.h"

namespace sternwerk {
namespace {

constexpr Rgb kCuspColour = kTeal;
constexpr Rgb kHardAspectColour = kRed;
constexpr Rgb kSoftAspectColour = kGreen;
constexpr double kHouseNumberRadius = kChartInnerRadius - 14;
constexpr Point kHouseNumberOffset{-4, -6};  // a number's corner from its point
constexpr int kHouseNumberSize = 7;
constexpr double kChordRadius = kChartInnerRadius - 26;

bool IsSoft(AspectKind kind) {
  return kind == AspectKind::kTrine || kind == AspectKind::kSextile;
}

const ChartPoint* PointOf(const std::vector<ChartPoint>& points, int factor) {
  const auto found = std::find_if(points.begin(), points.end(),
                                  [&](const ChartPoint& point) { return point.factor == factor; });
  return found == points.end() ? nullptr : &*found;
}

}  // namespace

void DrawHouseCusps(const HouseCusps& houses, Canvas& canvas) {
  canvas.pen = Pen{kCuspColour, 1};
  canvas.brush.solid = false;
  canvas.font = Font{kArialFace, kHouseNumberSize, false, kCuspColour, 0};
  for (int house = 0; house < kHouses; ++house) {
    const double cusp = houses.cusps[static_cast<std::size_t>(house)];
    const double next = houses.cusps[static_cast<std::size_t>((house + 1) % kHouses)];
    canvas.Line(OnCircle(kChartCentre, kChartInnerRadius, cusp),
                OnCircle(kChartCentre, kChartOuterRadius, cusp));
    const double middle = cusp + FloorMod(360, next - cusp) / 2;
    const Point number = OnCircle(kChartCentre, kHouseNumberRadius, middle);
    canvas.TextOut(number.x + kHouseNumberOffset.x, number.y + kHouseNumberOffset.y,
                   std::to_string(house + 1));
  }
}

void DrawAspectLines(const std::vector<ChartPoint>& points, const std::vector<Aspect>& aspects,
                     Canvas& canvas) {
  for (const Aspect& aspect : aspects) {
    const ChartPoint* first = PointOf(points, aspect.first);
    const ChartPoint* second = PointOf(points, aspect.second);
    if (aspect.kind == AspectKind::kConjunction || !first || !second) continue;
    canvas.pen = Pen{IsSoft(aspect.kind) ? kSoftAspectColour : kHardAspectColour, 1};
    canvas.Line(OnCircle(kChartCentre, kChordRadius, first->longitude),
                OnCircle(kChartCentre, kChordRadius, second->longitude));
  }
}

void DrawAstrologyLayer(const ChartAstrology& astrology, Canvas& canvas) {
  if (astrology.houses) DrawHouseCusps(*astrology.houses, canvas);
  if (astrology.aspects) DrawAspectLines(astrology.points, *astrology.aspects, canvas);
}

}  // namespace sternwerk
