#include "astrology/chart_points.h"

#include "base/time_units.h"
#include "engine/arithmetic.h"
#include "engine/factors.h"
#include "engine/sky.h"

namespace sternwerk {
namespace {

// Half the interval of the central difference that gives the motions.
constexpr double kHalfStepHours = 0.5;

SkyState SkyShiftedBy(const SkyState& sky, double hours, ComputationMode mode) {
  SkyState shifted = sky;
  shifted.hours += hours;  // the time measures allow hours outside 0..24
  ComputeSky(shifted, mode);
  return shifted;
}

// The drawn factors of the set with their longitudes and the given motions.
std::vector<ChartPoint> ChartPointsWithMotion(const SkyState& sky,
                                              const std::array<double, kFactorSlots>& motion,
                                              bool transplutonian) {
  std::vector<ChartPoint> points;
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    if (!InFactorSet(factor, transplutonian)) continue;
    const auto slot = static_cast<std::size_t>(factor);
    points.push_back({factor, FloorMod(360, sky.longitudes[slot]), motion[slot]});
  }
  return points;
}

}  // namespace

double ShortestTurn(double from, double to) {
  const double turn = FloorMod(360, to - from);
  return turn > 180 ? turn - 360 : turn;
}

std::vector<ChartPoint> ChartPoints(const SkyState& sky, ComputationMode mode,
                                    bool transplutonian) {
  const SkyState before = SkyShiftedBy(sky, -kHalfStepHours, mode);
  const SkyState after = SkyShiftedBy(sky, kHalfStepHours, mode);
  std::array<double, kFactorSlots> motion{};
  const double days = 2 * kHalfStepHours / kHoursPerDay;
  for (std::size_t factor = 0; factor < kFactorSlots; ++factor)
    motion[factor] = ShortestTurn(before.longitudes[factor], after.longitudes[factor]) / days;
  return ChartPointsWithMotion(sky, motion, transplutonian);
}

}  // namespace sternwerk
