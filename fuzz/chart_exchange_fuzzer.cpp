// Any file given to sternwerk-sky --import, read as AAF and as CSV: each
// chart read is one the collection can keep, each problem names a line of
// the file, and what is read is written and read back to as many charts.
#include <algorithm>
#include <cstdint>
#include <string>

#include "collection/aaf_format.h"
#include "collection/chart_csv.h"
#include "fuzz/fuzz_support.h"

using namespace sternwerk;

namespace {

// Every name a place at the fixture's coordinates, Berlin's zone UT+1.
class FixtureLookup : public PlaceLookup {
 public:
  std::optional<ChartPlace> Named(std::string_view name) const override {
    return ChartPlace{std::string(name), "", "", 13.4, 52.5, "Europe/Berlin"};
  }
  std::string ZoneNear(double, double) const override { return "Europe/Berlin"; }
  Outcome<std::vector<ZoneOffset>> Offsets(const std::string& zone, ClockSeconds,
                                           double) const override {
    if (zone != "Europe/Berlin") return Outcome<std::vector<ZoneOffset>>::Failure("unknown");
    return Outcome<std::vector<ZoneOffset>>::Success({{3600, "MEZ"}});
  }
};

void CheckRead(const ImportedCharts& read, int lines) {
  for (const Chart& chart : read.charts) FUZZ_CHECK(CheckChart(chart).ok());
  for (const ImportProblem& problem : read.problems) {
    FUZZ_CHECK(problem.line >= 1 && problem.line <= lines);
    FUZZ_CHECK(!problem.message.empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file = fuzz::Text(data, size);
  const int lines = static_cast<int>(std::max<std::size_t>(1, TextLines(file).size()));
  const FixtureLookup lookup;
  const ImportedCharts aaf = ReadAaf(file);
  CheckRead(aaf, lines);
  const ImportedCharts again = ReadAaf(WrittenAaf(aaf.charts));
  FUZZ_CHECK(again.problems.empty() && again.charts.size() == aaf.charts.size());
  const ImportedCharts csv = ReadChartCsv(file, lookup);
  CheckRead(csv, lines);
  const ImportedCharts back = ReadChartCsv(WrittenChartCsv(csv.charts), lookup);
  FUZZ_CHECK(back.problems.empty() && back.charts.size() == csv.charts.size());
  return 0;
}
