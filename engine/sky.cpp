#include "engine/sky.h"

#include "engine/axes.h"
#include "engine/calendar.h"
#include "engine/planets.h"
#include "engine/precise_sky.h"
#include "engine/sun_moon.h"

namespace sternwerk {

void ComputeSky(SkyState& sky) {
  ComputeTime(sky);
  ComputeAxes(sky);
  ComputeMoon(sky, ComputeSun(sky));
  ComputePlanets(sky);
}

SkyComputation ComputeSky(SkyState& sky, ComputationMode mode) {
  if (mode == ComputationMode::kPrecise) return ComputePreciseSky(sky);
  ComputeSky(sky);
  return {};
}

}  // namespace sternwerk
