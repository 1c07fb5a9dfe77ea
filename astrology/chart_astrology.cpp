#include "astrology/chart_astrology.h"

namespace sternwerk {

ChartAstrologyRequest RequestOf(const AstrologyChoices& choices) {
  if (!choices.shown) return {};
  return {choices.system, choices.orbs};
}

ChartAstrology ComputeChartAstrology(const SkyState& sky, ComputationMode mode, bool transplutonian,
                                     const ChartAstrologyRequest& request) {
  ChartAstrology chart;
  if (request.houses) {
    Outcome<HouseCusps> houses = ComputeHouseCusps(sky, *request.houses);
    if (houses.ok()) {
      chart.note = houses.value().note;
      chart.houses = std::move(houses).value();
    } else {
      chart.note = houses.error();
    }
  }
  if (request.aspects) {
    chart.points = ChartPoints(sky, mode, transplutonian);
    chart.aspects = FindAspects(chart.points, *request.aspects);
  }
  return chart;
}

}  // namespace sternwerk
