// The sixteen points of the compass.
#pragma once

#include <string>

namespace sternwerk {

// The compass point nearest to an azimuth (degrees from north through
// east, any value): "N", "NNO", "NO", "ONO", "O" ... "NNW" in German, "N",
// "NNE", "NE", "ENE", "E" ... in English. Each point covers 22.5 degrees
// centred on its direction.
std::string CompassPoint(double azimuth);

}  // namespace sternwerk
