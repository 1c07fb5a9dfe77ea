#include "astrology/aspects.h"

#include <cmath>
#include <optional>

#include "base/translation.h"

namespace sternwerk {
namespace {

constexpr const char* kContext = "sternwerk::Aspects";

constexpr std::array<AspectKind, kAspectKinds> kKinds = {
    AspectKind::kConjunction,   AspectKind::kOpposition, AspectKind::kTrine,
    AspectKind::kSquare,        AspectKind::kSextile,    AspectKind::kSemiSquare,
    AspectKind::kSesquiquadrate};

constexpr std::array<double, kAspectKinds> kAngles = {0, 180, 120, 90, 60, 45, 135};

constexpr std::array<const char*, kAspectKinds> kNames = {
    QT_TRANSLATE_NOOP("sternwerk::Aspects", "Konjunktion"),
    QT_TRANSLATE_NOOP("sternwerk::Aspects", "Opposition"),
    QT_TRANSLATE_NOOP("sternwerk::Aspects", "Trigon"),
    QT_TRANSLATE_NOOP("sternwerk::Aspects", "Quadrat"),
    QT_TRANSLATE_NOOP("sternwerk::Aspects", "Sextil"),
    QT_TRANSLATE_NOOP("sternwerk::Aspects", "Halbquadrat"),
    QT_TRANSLATE_NOOP("sternwerk::Aspects", "Anderthalbquadrat")};

// The aspect of two points nearest to exact within its orb, if any.
std::optional<Aspect> AspectOf(const ChartPoint& a, const ChartPoint& b, const AspectOrbs& orbs) {
  const double turn = ShortestTurn(a.longitude, b.longitude);
  const double distance = std::fabs(turn);  // 0..180
  std::optional<Aspect> nearest;
  for (const AspectKind kind : kKinds) {
    const double deviation = distance - AspectAngle(kind);
    if (std::fabs(deviation) > orbs[kind]) continue;
    if (nearest && nearest->orb <= std::fabs(deviation)) continue;
    // The distance changes at the rate the turn from a to b does, with the
    // turn's sign; it approaches the exact angle when that change and the
    // deviation have opposite signs.
    const double distanceRate = (turn < 0 ? -1 : 1) * (b.dailyMotion - a.dailyMotion);
    nearest = Aspect{a.factor, b.factor, kind, std::fabs(deviation), deviation * distanceRate < 0};
  }
  return nearest;
}

}  // namespace

double AspectAngle(AspectKind kind) {
  return kAngles[static_cast<std::size_t>(kind)];
}

std::string AspectName(AspectKind kind) {
  return Translated(kContext, kNames[static_cast<std::size_t>(kind)]);
}

std::vector<Aspect> FindAspects(const std::vector<ChartPoint>& points, const AspectOrbs& orbs) {
  std::vector<Aspect> aspects;
  for (std::size_t i = 0; i < points.size(); ++i) {
    for (std::size_t j = i + 1; j < points.size(); ++j) {
      if (const std::optional<Aspect> aspect = AspectOf(points[i], points[j], orbs))
        aspects.push_back(*aspect);
    }
  }
  return aspects;
}

}  // namespace sternwerk
