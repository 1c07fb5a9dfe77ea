#include "engine/library_bodies.h"

#include <swephexp.h>

#include "engine/factors.h"

namespace sternwerk {

std::optional<int> LibraryBody(int factor) {
  switch (factor) {
    case kSun:
      return SE_SUN;
    case kMoon:
      return SE_MOON;
    case kLunarNode:
      return SE_MEAN_NODE;
    case kMercury:
      return SE_MERCURY;
    case kVenus:
      return SE_VENUS;
    case kMars:
      return SE_MARS;
    case kJupiter:
      return SE_JUPITER;
    case kSaturn:
      return SE_SATURN;
    case kUranus:
      return SE_URANUS;
    case kNeptune:
      return SE_NEPTUNE;
    case kPluto:
      return SE_PLUTO;
    default:
      return std::nullopt;
  }
}

}  // namespace sternwerk
