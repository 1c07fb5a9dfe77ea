#include "observing/compass_point.h"

#include <array>
#include <cmath>

#include "base/translation.h"

namespace sternwerk {
namespace {

constexpr double kDegreesPerPoint = 22.5;

constexpr std::array<const char*, 16> kPoints = {
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "N"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "NNO"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "NO"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "ONO"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "O"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "OSO"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "SO"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "SSO"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "S"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "SSW"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "SW"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "WSW"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "W"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "WNW"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "NW"),
    QT_TRANSLATE_NOOP("sternwerk::CompassPoints", "NNW"),
};

}  // namespace

std::string CompassPoint(double azimuth) {
  const double turns = std::round(azimuth / kDegreesPerPoint);
  const auto count = static_cast<long>(kPoints.size());
  const long point = ((static_cast<long>(turns) % count) + count) % count;
  return Translated("sternwerk::CompassPoints", kPoints[static_cast<std::size_t>(point)]);
}

}  // namespace sternwerk
