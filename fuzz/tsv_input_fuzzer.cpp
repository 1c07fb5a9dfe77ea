// Any input of sternwerk-sky --tsv: each line with values is refused with a
// message or read into an instant and place within the bounds of the command line's
// arguments, and its output line has its 26 tab-separated fields.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "engine/calendar.h"
#include "engine/sky.h"
#include "fuzz/fuzz_support.h"
#include "tools/sky_report.h"
#include "tools/tsv_input.h"

using namespace sternwerk;

namespace {

constexpr long kOutputTabs = 25;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const std::string& line : fuzz::Lines(fuzz::Text(data, size))) {
    if (!HasTsvValues(line)) continue;
    Outcome<SkyState> read = ReadTsvInput(line);
    if (!read.ok()) {
      FUZZ_CHECK(!read.error().empty());
      continue;
    }
    SkyState sky = std::move(read).value();
    FUZZ_CHECK(sky.year >= kFirstCalendarYear && sky.year <= kLastCalendarYear);
    FUZZ_CHECK(sky.month >= 1 && sky.month <= 12 && sky.day >= 1 && sky.day <= 31);
    FUZZ_CHECK(sky.hours >= 0 && sky.hours <= 24);
    FUZZ_CHECK(std::abs(sky.longitude) <= 180 && std::abs(sky.latitude) <= 90);
    ComputeSky(sky);
    const std::string output = TsvLine(sky);
    FUZZ_CHECK(std::count(output.begin(), output.end(), '\t') == kOutputTabs);
  }
  return 0;
}
