// Ten thousand charts for the collection's benchmarks: the sample charts
// again and again, each with a name, place and year of its own.
#pragma once

#include <string>
#include <vector>

#include "collection/chart.h"
#include "tests/collection/sample_charts.h"

namespace sternwerk {

inline constexpr int kCharts = 10000;

inline const std::vector<Chart>& ManyCharts() {
  static const std::vector<Chart> charts = [] {
    const std::vector<Chart> samples = testing::SampleCharts();
    std::vector<Chart> many;
    for (int i = 0; i < kCharts; ++i) {
      Chart chart = samples[static_cast<std::size_t>(i) % samples.size()];
      chart.name += " " + std::to_string(i);
      chart.place.name += " " + std::to_string(i % 997);
      chart.universal -= static_cast<ClockSeconds>(i) * 86400 * 3;
      chart.typed = ReadingOf(chart.universal + chart.offsetSeconds);
      many.push_back(chart);
    }
    return many;
  }();
  return charts;
}

}  // namespace sternwerk
