#include "engine/meridian_direction.h"

#include <cmath>

#include "engine/arithmetic.h"
#include "engine/factors.h"

namespace sternwerk {

MeridianDirection MeridianDirectionAt(double mcLongitude, double obliquity, double latitude) {
  const double declination = RadToDeg(std::asin(SinDeg(obliquity) * SinDeg(mcLongitude)));
  return declination > latitude ? MeridianDirection::kNorth : MeridianDirection::kSouth;
}

MeridianDirection MeridianDirectionOf(const SkyState& sky) {
  return MeridianDirectionAt(sky.longitudes[kMC], RadToDeg(-sky.negativeObliquity), sky.latitude);
}

}  // namespace sternwerk
