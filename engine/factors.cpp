#include "engine/factors.h"

#include <cmath>

namespace sternwerk {

int SignIndex(double longitude) {
  const double sign = std::floor(std::fmod(longitude, 360.0) / 30.0);
  if (!(sign >= -12 && sign < 12)) return 0;  // not finite
  return (static_cast<int>(sign) + 12) % 12;
}

}  // namespace sternwerk
